#include "app/rtf_reader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFont>
#include <QString>
#include <QTextDocument>

#include <cstddef>
#include <string_view>

#include "app/regular_file.h"
#include "app/rtf_document_writer.h"
#include "app/rtf_interpreter.h"
#include "app/rtf_tokenizer.h"

namespace calorix {
namespace {

bool HasRtfSignature(const QByteArray& data) {
    qsizetype i = 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' ||
                               data[i] == '\n' || data[i] == '\f' || data[i] == '\v')) {
        ++i;
    }
    return QByteArrayView(data).sliced(i).startsWith("{\\rtf");
}

}  // namespace

bool ReadRtf(const QByteArray& rtf, QTextDocument& document, const QFont& baseFont) {
    const bool undoRedo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    const bool isRtf = HasRtfSignature(rtf);
    if (isRtf) {
        document.setDefaultFont(baseFont);
        rtf::Tokenizer tokens(
            std::string_view(rtf.constData(), static_cast<std::size_t>(rtf.size())));
        rtf::DocumentWriter writer(document, baseFont);
        rtf::Interpret(tokens, writer);
    }
    document.setUndoRedoEnabled(undoRedo);
    return isRtf;
}

bool LoadRtfFile(const QString& path, QTextDocument& document, const QFont& baseFont) {
    const FileBytes file = ReadRegularFile(path, kMaxRtfFileBytes);
    if (file.problem != FileProblem::kNone || !HasRtfSignature(file.data)) return false;
    return ReadRtf(file.data, document, baseFont);
}

}  // namespace calorix
