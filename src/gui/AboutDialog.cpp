#include "gui/AboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "TesselVersion.h"

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
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) {
        auto* picture = new QLabel;
        picture->setPixmap(icon.pixmap(48, 48));
        picture->setAlignment(Qt::AlignTop);
        top->addWidget(picture);
    }
    top->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
