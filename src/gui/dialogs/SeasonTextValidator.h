#pragma once

#include <QValidator>

// Refuses, as it is typed or pasted, any character that a season file cannot
// hold (one without a Windows-1252 byte), so what the user sees is what is
// stored.
class SeasonTextValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
