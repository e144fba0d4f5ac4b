#include "gui/dialogs/SeasonTextValidator.h"

#include "platform/Cp1252.h"

QValidator::State SeasonTextValidator::validate(QString& input, int&) const
{
    return FitsCp1252(input) ? Acceptable : Invalid;
}
