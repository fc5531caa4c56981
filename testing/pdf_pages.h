#pragma once

// What the tests of exported and printed charts read from a PDF file: how
// many pages it has and the size of its first page.

#include <QByteArray>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <optional>

namespace calorix::test {

// The page objects ("/Type /Page", not "/Type /Pages").
inline int PdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int count = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(pdf)); match.hasNext(); match.next())
        ++count;
    return count;
}

// The first page's media box, in points; nothing when it has none.
inline std::optional<QSizeF> PdfMediaBox(const QByteArray& pdf) {
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox \\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    const QRegularExpressionMatch box = mediaBox.match(QString::fromLatin1(pdf));
    if (!box.hasMatch()) return std::nullopt;
    return QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble());
}

}  // namespace calorix::test
