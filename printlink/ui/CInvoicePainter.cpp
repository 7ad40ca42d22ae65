#include "CInvoicePainter.h"

#include <QFontMetrics>
#include <QPainter>

int CInvoicePainter::TextWidth(const PageFont& font, const QString& text) const
{
    return QFontMetrics(Font(font), m_painter.device()).horizontalAdvance(text);
}

void CInvoicePainter::Paint(const InvoicePage& page)
{
    m_painter.setPen(QPen(Qt::black, page.penWidth));
    m_painter.setBrush(Qt::white);
    for (const QRect& rect : page.rects) {
        m_painter.drawRect(rect);
    }
    for (const PageText& text : page.texts) {
        m_painter.setFont(Font(text.font));
        if (text.wrapBox.isEmpty()) {
            // The origin is the top of the text, as the form places its labels.
            m_painter.drawText(text.origin + QPoint(0, m_painter.fontMetrics().ascent()), text.text);
        } else {
            m_painter.drawText(text.wrapBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text.text);
        }
    }
}

QFont CInvoicePainter::Font(const PageFont& font)
{
    QFont qfont;
    if (font.face == FormFace::Serif) {
        qfont.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")});
        qfont.setStyleHint(QFont::Serif);
    } else {
        qfont.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
        qfont.setStyleHint(QFont::SansSerif);
    }
    // No ligatures: the PDF's text must read back letter for letter ("ff", not one glyph).
    qfont.setStyleStrategy(QFont::PreferNoShaping);
    qfont.setPixelSize(qMax(1, font.pixelHeight));
    qfont.setBold(font.bold);
    return qfont;
}
