// libFuzzer target of the RTF reader: every input is read into a fresh
// document, which is then laid out as the Tips window would show it.

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

#include "app/rtf_reader.h"

namespace {

// Fonts and layout need an application object; it lives until the process
// ends and uses the headless platform.
void EnsureApplication() {
    static QGuiApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "rtf_reader_fuzz";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)application;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    EnsureApplication();
    const QByteArray rtf =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    document.setTextWidth(500);
    calorix::ReadRtf(rtf, document, QFont(QStringLiteral("Courier New"), 9));
    (void)document.documentLayout()->documentSize();
    (void)document.toPlainText();
    return 0;
}
