#include "gui/AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "TesselVersion.h"
#include "gui/ProgramIcon.h"

QString AboutDialog::VersionText()
{
    return QStringLiteral("Version %1.%2").arg(kVersionMajor).arg(kVersionMinor);
}

QString AboutDialog::BuildText()
{
    // The build number is the third part of the program's version.
    return QStringLiteral("Build %1").arg(kVersionPatch);
}

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(ProgramIcon());

    auto* texts = new QVBoxLayout;
    auto* name = new QLabel(QStringLiteral("TESSEL"));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    texts->addWidget(name);
    texts->addWidget(new QLabel(QStringLiteral("Bowls results analysis program")));
    texts->addWidget(new QLabel(VersionText()));
    texts->addWidget(new QLabel(BuildText()));

    auto* top = new QHBoxLayout;
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("programIcon"));
    picture->setPixmap(ProgramIcon().pixmap(QSize(64, 64), devicePixelRatio()));
    picture->setAlignment(Qt::AlignTop);
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
