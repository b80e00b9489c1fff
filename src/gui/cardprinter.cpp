#include "cardprinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>

namespace korvalde::gui {

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// Black on white with ruled cells, so the card reads the same from a gray printer or a
// copy: name, frame, statistics, modifications, price, from top to bottom.
QString cardHtml(const WeaponCard &card)
{
    QString html = QStringLiteral("<h1>%1</h1>").arg(escaped(card.name));
    html += QStringLiteral("<p style=\"font-size: 14pt\"><b>%1:</b> %2</p>")
                .arg(escaped(card.frame.label), escaped(card.frame.value));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" width=\"100%\" "
                           "style=\"border-color: black; border-style: solid\">");
    for (const CardRow &row : card.statistics) {
        html += QStringLiteral("<tr><td width=\"40%\"><b>%1</b></td><td>%2</td></tr>")
                    .arg(escaped(row.label), escaped(row.value));
    }
    html += QStringLiteral("</table>");
    html += QStringLiteral("<h2>%1</h2><ul>").arg(escaped(card.modificationsHeading));
    for (const QString &entry : card.modifications)
        html += QStringLiteral("<li>%1</li>").arg(escaped(entry));
    html += QStringLiteral("</ul>");
    html += QStringLiteral("<p style=\"font-size: 16pt\"><b>%1:</b> %2</p>")
                .arg(escaped(card.price.label), escaped(card.price.value));
    return html;
}

} // namespace

void prepareCardPrinter(QPrinter &printer, const WeaponCard &card)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setColorMode(QPrinter::GrayScale);
    printer.setDocName(card.name);
    printer.setCreator(QStringLiteral("Korvalde"));
}

bool printWeaponCard(QPrinter &printer, const WeaponCard &card)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(13);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: 26pt } h2 { font-size: 16pt } td, li { font-size: 13pt }"));
    document.setHtml(cardHtml(card));
    // A long list of modifications is scaled down to stay on the one page; a wider column
    // needs fewer lines, so the width is measured again at the smaller scale.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    qreal scale = 1;
    for (int attempt = 0; attempt < 4; ++attempt) {
        document.setTextWidth(page.width() / scale);
        const qreal height = document.size().height();
        if (height * scale <= page.height())
            break;
        scale = page.height() / height;
    }
    scale = std::min(scale, page.height() / document.size().height());
    painter.scale(scale, scale);
    document.drawContents(&painter);
    return painter.end();
}

} // namespace korvalde::gui
