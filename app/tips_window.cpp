#include "app/tips_window.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>

#include "app/regular_file.h"
#include "app/rtf_reader.h"
#include "surface/control_place.h"
#include "surface/twips.h"

namespace calorix {

TipsWindow::TipsWindow(QString tipsPath) : QDialog(nullptr), tipsPath_(std::move(tipsPath)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Tips"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    SetPlace(*frame, {0, 0, 7785, 5145});

    text_ = new QTextEdit(frame);
    text_->setObjectName(QStringLiteral("RichTextBox1"));
    text_->setReadOnly(true);
    // Courier New, or the installed fixed-pitch face.
    QFont base(QStringLiteral("Courier New"));
    base.setStyleHint(QFont::TypeWriter);
    base.setPointSizeF(9.75);
    text_->document()->setDefaultFont(base);
    // The text leaves room below it for the Close button.
    SetPlace(*text_, {90, 150, 7545, 4455});

    close_ = new QPushButton(QStringLiteral("Close"), frame);
    close_->setObjectName(QStringLiteral("Command1"));
    close_->setAutoDefault(false);
    SetPlace(*close_, {6390, 4680, 1245, 375});
    // Close and Esc (the cancel button) only hide the window.
    connect(close_, &QPushButton::clicked, this, &QDialog::hide);

    SetGeometryTwips(*this, 0, 0, 7785, 5145);
    setFixedSize(size());
    // Loaded once: 40 % of the free screen space lies left of it and above it.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect whole = screen->geometry();
        move(int((whole.width() - frameGeometry().width()) / 2.5),
             int((whole.height() - frameGeometry().height()) / 2.5));
    }
}

bool TipsWindow::LoadFile() {
    const FileBytes file = ReadRegularFile(tipsPath_, kMaxRtfFileBytes);
    if (file.problem != FileProblem::kNone) {
        ShowProblem(DescribeFileProblem(file, kMaxRtfFileBytes));
        return false;
    }
    if (file.data.isEmpty()) {
        ShowProblem(QStringLiteral("it is empty."));
        return false;
    }
    if (!shownTips_.isEmpty() && file.data == shownTips_) return true;
    QTextDocument& document = *text_->document();
    if (!ReadRtf(file.data, document, document.defaultFont())) {
        ShowProblem(QStringLiteral("it is not a rich-text (RTF) file."));
        return false;
    }
    shownTips_ = file.data;
    return true;
}

void TipsWindow::ShowProblem(const QString& problem) {
    shownTips_.clear();
    text_->setPlainText(QStringLiteral("The tips could not be read from the file\n%1\nbecause %2")
                            .arg(QDir::toNativeSeparators(tipsPath_), problem));
}

void TipsWindow::ShowFromTipsMenu() {
    LoadFile();
    // Shown without modality already: it cannot become modal now, and stays so.
    if (isVisible()) return;
    exec();
}

void TipsWindow::ShowFromHelpMenu() {
    LoadFile();
    show();
    raise();
}

}  // namespace calorix
