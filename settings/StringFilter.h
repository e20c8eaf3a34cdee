#pragma once

#include "settings/AbstractFilter.h"

class QLineEdit;

// A text column that starts with, ends with, contains or equals the typed
// text (as SQL LIKE does: ASCII letters match in either case). The text is
// matched literally, "%" and "_" included.
class StringFilter : public AbstractFilter
{
    Q_OBJECT

public:
    StringFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                 QWidget* parent = nullptr, const QString& title = QString());

    SqlCondition whereClause() const override;

private slots:
    void comboChanged(int index);
    void textChanged(const QString& text);

private:
    QLineEdit* m_text;
};
