#include "CCsvWriter.h"

#include "CCsvFileWriter.h"
#include "DateText.h"
#include "NumberText.h"

#include <QTextStream>

CCsvWriter& CCsvWriter::Text(const QString& value)
{
    m_fields << CCsvFileWriter::Field(value);
    return *this;
}

CCsvWriter& CCsvWriter::Number(double value)
{
    m_fields << ShortestNumberText(value);
    return *this;
}

CCsvWriter& CCsvWriter::Integer(qint64 value)
{
    m_fields << QString::number(value);
    return *this;
}

CCsvWriter& CCsvWriter::Date(const QDateTime& value)
{
    m_fields << (value.isValid() ? StoreDateText(value) : QString());
    return *this;
}

CCsvWriter& CCsvWriter::Value(const CDbVariant& value)
{
    switch (value.GetKind()) {
    case CDbVariant::Kind::Null:
        return Text(QString());
    case CDbVariant::Kind::Int32:
    case CDbVariant::Kind::Bool:
        return Integer(value.ToInt32());
    case CDbVariant::Kind::Double:
        return Number(value.ToDouble());
    case CDbVariant::Kind::DateTime:
        return Date(value.ToDateTime());
    case CDbVariant::Kind::Text:
        return Text(value.ToText());
    }
    return *this;
}

void CCsvWriter::EndRow()
{
    m_out << m_fields.join(QLatin1Char(',')) << '\n';
    m_fields.clear();
}

void CCsvWriter::Row(const QStringList& texts)
{
    for (const QString& text : texts) {
        Text(text);
    }
    EndRow();
}
