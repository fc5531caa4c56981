#include "app/rtf_reader.h"

#include <sys/stat.h>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/regular_file.h"

namespace calorix {
namespace {

// Fonts need an application object; one lives for the whole test program.
void EnsureApplication() {
    static QGuiApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "rtf_reader_test";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)application;
}

struct TextRun {
    QString text;
    QTextCharFormat format;
};

class RtfReaderTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    const QFont baseFont_{QStringLiteral("Courier New"), 9};
    QTextDocument document_;

    bool Read(const QByteArray& rtf) { return ReadRtf(rtf, document_, baseFont_); }

    // The text of each paragraph, with line separators and other special
    // characters as they are stored.
    QStringList Blocks() const {
        QStringList blocks;
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            blocks.append(block.text());
        }
        return blocks;
    }

    std::vector<TextRun> Runs() const {
        std::vector<TextRun> runs;
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.isValid()) runs.push_back({fragment.text(), fragment.charFormat()});
            }
        }
        return runs;
    }

    // The format of the character that starts the first occurrence of `text`.
    QTextCharFormat FormatAt(const QString& text) const {
        for (const TextRun& run : Runs()) {
            if (run.text.contains(text)) return run.format;
        }
        ADD_FAILURE() << "no text " << text.toStdString() << " in "
                      << document_.toPlainText().toStdString();
        return {};
    }

    QString Text() const { return Blocks().join(u'\n'); }
};

QByteArray Repeated(const char* piece, int count) {
    return QByteArray(piece).repeated(count);
}

// --- Text and paragraphs ----------------------------------------------------

TEST_F(RtfReaderTest, ReadsPlainTextAndParagraphs) {
    ASSERT_TRUE(Read("{\\rtf1 Hello world}"));
    EXPECT_EQ(Text(), "Hello world");

    ASSERT_TRUE(Read("{\\rtf1 one\\par two\\par\r\nthree}"));
    EXPECT_EQ(Blocks(), QStringList({"one", "two", "three"}));

    // Line ends in the file are not text; the space after a control word
    // only ends the word; white space before the opening brace is allowed.
    ASSERT_TRUE(Read(" \r\n\t{\\rtf1\\ansi a\r\nb\\b  c}"));
    EXPECT_EQ(Text(), "ab c");

    // A backslash before a line end is a paragraph break.
    ASSERT_TRUE(Read("{\\rtf1 a\\\nb}"));
    EXPECT_EQ(Blocks(), QStringList({"a", "b"}));
}

TEST_F(RtfReaderTest, ReplacesTheDocumentContentAndKeepsUndoSetting) {
    document_.setPlainText("old");
    document_.setUndoRedoEnabled(true);
    ASSERT_TRUE(Read("{\\rtf1 new}"));
    EXPECT_EQ(Text(), "new");
    EXPECT_TRUE(document_.isUndoRedoEnabled());
    EXPECT_FALSE(document_.isUndoAvailable());
}

TEST_F(RtfReaderTest, RejectsInputThatIsNotRtf) {
    for (const QByteArray& input :
         {QByteArray(), QByteArray("hello"), QByteArray("{\\rt"), QByteArray("{rtf1 x}"),
          QByteArray("x{\\rtf1 x}"), QByteArray("\\rtf1 x"), QByteArray("{\\RTF1 x}")}) {
        document_.setPlainText("old");
        EXPECT_FALSE(Read(input)) << input.toStdString();
        EXPECT_TRUE(document_.isEmpty()) << input.toStdString();
    }
}

TEST_F(RtfReaderTest, AlignsParagraphs) {
    ASSERT_TRUE(
        Read("{\\rtf1\\qc centre\\par\\pard left\\par\\qr right\\par{\\qj just\\par}after}"));
    QStringList texts;
    std::vector<Qt::Alignment> alignments;
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        texts.append(block.text());
        alignments.push_back(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
    }
    ASSERT_EQ(texts, QStringList({"centre", "left", "right", "just", "after"}));
    EXPECT_EQ(alignments[0], Qt::AlignHCenter);
    EXPECT_EQ(alignments[1], Qt::AlignLeft);
    EXPECT_EQ(alignments[2], Qt::AlignRight);
    EXPECT_EQ(alignments[3], Qt::AlignJustify);
    EXPECT_EQ(alignments[4], Qt::AlignRight);  // the group ended, \qr is in force again
}

// --- Character formatting ---------------------------------------------------

TEST_F(RtfReaderTest, ScopesBoldItalicAndUnderlineToGroups) {
    ASSERT_TRUE(Read("{\\rtf1 a{\\b b{\\i c}d}e\\ul f\\ul0 g\\ul h\\ulnone i\\b1 j\\b0 k}"));
    EXPECT_EQ(Text(), "abcdefghijk");

    EXPECT_EQ(FormatAt("a").fontWeight(), QFont::Normal);
    EXPECT_EQ(FormatAt("b").fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatAt("b").fontItalic());
    EXPECT_EQ(FormatAt("c").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatAt("c").fontItalic());
    EXPECT_EQ(FormatAt("d").fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatAt("d").fontItalic());
    EXPECT_EQ(FormatAt("e").fontWeight(), QFont::Normal);
    EXPECT_FALSE(FormatAt("e").fontUnderline());
    EXPECT_TRUE(FormatAt("f").fontUnderline());
    EXPECT_FALSE(FormatAt("g").fontUnderline());
    EXPECT_TRUE(FormatAt("h").fontUnderline());
    EXPECT_FALSE(FormatAt("i").fontUnderline());
    EXPECT_EQ(FormatAt("j").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatAt("k").fontWeight(), QFont::Normal);
}

TEST_F(RtfReaderTest, PlainResetsCharacterFormatting) {
    ASSERT_TRUE(Read("{\\rtf1\\b\\i\\ul\\fs40 x\\plain y}"));
    EXPECT_EQ(FormatAt("x").fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(FormatAt("x").fontPointSize(), 20.0);
    const QTextCharFormat y = FormatAt("y");
    EXPECT_EQ(y.fontWeight(), QFont::Normal);
    EXPECT_FALSE(y.fontItalic());
    EXPECT_FALSE(y.fontUnderline());
    EXPECT_DOUBLE_EQ(y.fontPointSize(), 9.0);
}

TEST_F(RtfReaderTest, SetsFontSizeInHalfPointsOverTheBaseSize) {
    ASSERT_TRUE(Read("{\\rtf1 base {\\fs30 fifteen} {\\fs21 half}}"));
    EXPECT_DOUBLE_EQ(FormatAt("base").fontPointSize(), 9.0);
    EXPECT_DOUBLE_EQ(FormatAt("fifteen").fontPointSize(), 15.0);
    EXPECT_DOUBLE_EQ(FormatAt("half").fontPointSize(), 10.5);
}

TEST_F(RtfReaderTest, TakesFontsFromTheFontTable) {
    ASSERT_TRUE(
        Read("{\\rtf1{\\fonttbl{\\f0\\fswiss\\fprq2 Arial;}"
             "{\\f1\\fmodern\\fprq1\\fcharset0 Courier New;}{\\f2\\froman Times;}}"
             "\\f0 sans \\f1 mono {\\f2 serif} \\f7 unknown}"));
    EXPECT_EQ(Text(), "sans mono serif unknown");

    const QTextCharFormat sans = FormatAt("sans");
    EXPECT_EQ(sans.fontFamilies().toStringList(), QStringList({"Arial"}));
    EXPECT_FALSE(sans.fontFixedPitch());
    EXPECT_EQ(sans.fontStyleHint(), QFont::SansSerif);

    const QTextCharFormat mono = FormatAt("mono");
    EXPECT_TRUE(mono.fontFixedPitch());
    EXPECT_EQ(mono.fontStyleHint(), QFont::TypeWriter);
    // Courier New itself where the font system offers it (or a metric
    // twin), otherwise the system's fixed-pitch family.
    const QStringList monoFamilies = mono.fontFamilies().toStringList();
    ASSERT_EQ(monoFamilies.size(), 1);
    if (monoFamilies.front() == "Courier New") {
        EXPECT_TRUE(QFontInfo(mono.font()).fixedPitch());
    } else {
        EXPECT_EQ(monoFamilies.front(),
                  QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    }

    EXPECT_EQ(FormatAt("serif").fontStyleHint(), QFont::Serif);
    // A font number the table does not define leaves the base font.
    EXPECT_EQ(FormatAt("unknown").fontFamilies().toStringList(), baseFont_.families());
}

TEST_F(RtfReaderTest, RecognisesFixedPitchFamiliesByName) {
    ASSERT_TRUE(
        Read("{\\rtf1{\\fonttbl{\\f0\\fnil Courier New;}{\\f1\\fnil DejaVu Sans Mono;}"
             "{\\f2\\fnil Lucida Console;}{\\f3\\fscript Monotype Corsiva;}"
             "{\\f4\\fswiss Arial;}}"
             "\\f0 courier \\f1 dejavu \\f2 lucida \\f3 corsiva \\f4 arial}"));
    EXPECT_TRUE(FormatAt("courier").fontFixedPitch());
    EXPECT_TRUE(FormatAt("dejavu").fontFixedPitch());
    EXPECT_TRUE(FormatAt("lucida").fontFixedPitch());
    EXPECT_FALSE(FormatAt("corsiva").fontFixedPitch());
    EXPECT_EQ(FormatAt("corsiva").fontStyleHint(), QFont::Cursive);
    EXPECT_FALSE(FormatAt("arial").fontFixedPitch());
}

TEST_F(RtfReaderTest, ReplacesAMissingFixedPitchFontByTheSystemFixedFont) {
    ASSERT_TRUE(Read("{\\rtf1{\\fonttbl{\\f0\\fnil\\fprq1 Qzxv No Such Typeface;}}\\f0 x}"));
    const QTextCharFormat format = FormatAt("x");
    EXPECT_TRUE(format.fontFixedPitch());
    EXPECT_EQ(format.fontFamilies().toStringList(),
              QStringList({QFontDatabase::systemFont(QFontDatabase::FixedFont).family()}));
}

TEST_F(RtfReaderTest, UsesTheDefaultFontAndTheBaseFontWhereNoFontIsSet) {
    ASSERT_TRUE(
        Read("{\\rtf1\\deff1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\froman Times;}"
             "deflt \\f0 chosen \\plain reset}"));
    EXPECT_EQ(FormatAt("deflt").fontFamilies().toStringList(), QStringList({"Times"}));
    EXPECT_EQ(FormatAt("chosen").fontFamilies().toStringList(), QStringList({"Helvetica"}));
    EXPECT_EQ(FormatAt("reset").fontFamilies().toStringList(), QStringList({"Times"}));

    ASSERT_TRUE(Read("{\\rtf1 no table}"));
    EXPECT_EQ(FormatAt("no table").fontFamilies().toStringList(), baseFont_.families());
    EXPECT_DOUBLE_EQ(FormatAt("no table").fontPointSize(), 9.0);
}

TEST_F(RtfReaderTest, TakesColoursFromTheColourTable) {
    ASSERT_TRUE(
        Read("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
             "\\red300\\green-4\\blue7;}"
             "a\\cf1 b\\cf2 c{\\cf3 d}\\cf0 e\\cf9 f}"));
    EXPECT_EQ(Text(), "abcdef");
    EXPECT_FALSE(FormatAt("a").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatAt("b").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatAt("c").foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(FormatAt("d").foreground().color(), QColor(255, 0, 7));  // clamped
    EXPECT_FALSE(FormatAt("e").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(FormatAt("f").hasProperty(QTextFormat::ForegroundBrush));
}

// --- Characters -------------------------------------------------------------

TEST_F(RtfReaderTest, DecodesHexAndUnicodeEscapes) {
    ASSERT_TRUE(Read("{\\rtf1 caf\\'e9 caf\\u233?}"));
    EXPECT_EQ(Text(), QString::fromUtf8("café café"));

    // Windows-1252 above 0x7F, including the 0x80..0x9F block.
    ASSERT_TRUE(Read("{\\rtf1\\'80\\'93q\\'94\\'a9\\'ff}"));
    EXPECT_EQ(Text(), QString::fromUtf8("€“q”©ÿ"));

    // Raw bytes above 0x7F are read in the same code page.
    ASSERT_TRUE(Read("{\\rtf1 \xe9\x80}"));
    EXPECT_EQ(Text(), QString::fromUtf8("é€"));

    // Negative parameters stand for code units above 32767; a pair of
    // surrogates makes one character, a lone one is replaced.
    ASSERT_TRUE(Read("{\\rtf1\\u-3913?\\u-10179?\\u-8704? \\u-10179?x}"));
    EXPECT_EQ(Text(), QString::fromUtf8("\uf0b7\U0001F600 \uFFFDx"));
}

TEST_F(RtfReaderTest, SkipsTheFallbackTextAfterUnicodeEscapes) {
    ASSERT_TRUE(Read("{\\rtf1\\uc2\\u8364 EUR}"));
    EXPECT_EQ(Text(), QString::fromUtf8("€R"));

    // Escapes and control words count as one character each.
    ASSERT_TRUE(Read("{\\rtf1\\uc2\\u8364\\'80\\'80 euro}"));
    EXPECT_EQ(Text(), QString::fromUtf8("€ euro"));

    // \uc is scoped to its group; \uc0 skips nothing.
    ASSERT_TRUE(Read("{\\rtf1{\\uc2\\u233 xxy}\\u233?z{\\uc0\\u233 w}}"));
    EXPECT_EQ(Text(), QString::fromUtf8("éyézéw"));

    // A brace ends the fallback early.
    ASSERT_TRUE(Read("{\\rtf1\\uc3\\u233{x}y}"));
    EXPECT_EQ(Text(), QString::fromUtf8("éxy"));
}

TEST_F(RtfReaderTest, ReadsControlSymbolsAndSpecialCharacters) {
    ASSERT_TRUE(Read("{\\rtf1 a\\~b\\-c\\_d \\\\ \\{ \\}}"));
    EXPECT_EQ(Text(), QString::fromUtf8("a\u00a0b\u00adc\u2011d \\ { }"));

    ASSERT_TRUE(Read("{\\rtf1\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}"));
    EXPECT_EQ(Text(), QString::fromUtf8("—–•‘’“”"));
}

TEST_F(RtfReaderTest, ReadsTabsAndLineBreaks) {
    ASSERT_TRUE(Read("{\\rtf1 a\\tab b\\line c\\par d}"));
    EXPECT_EQ(Blocks(), QStringList({QString::fromUtf8("a\tb\u2028c"), "d"}));
}

// --- Skipped content --------------------------------------------------------

TEST_F(RtfReaderTest, SkipsDestinationsItDoesNotShow) {
    ASSERT_TRUE(
        Read("{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}"
             "{\\*\\generator W;}{\\header H}{\\footer F}{\\pict\\wmetafile8 0a0b}"
             "{\\object{\\objdata 01}}a{\\*\\anything {nested} hidden}b"
             "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}}c\\unknownword d}"));
    EXPECT_EQ(Text(), "abshowncd");

    // Formatting inside a skipped group does not leak out of it.
    ASSERT_TRUE(Read("{\\rtf1{\\*\\x\\b hidden}plain}"));
    EXPECT_EQ(Text(), "plain");
    EXPECT_EQ(FormatAt("plain").fontWeight(), QFont::Normal);
}

TEST_F(RtfReaderTest, SkipsBinaryData) {
    ASSERT_TRUE(Read("{\\rtf1 a\\bin4 {}\\x b}"));
    EXPECT_EQ(Text(), "a b");

    // Inside a skipped destination as well, so that its bytes do not close
    // the group early.
    ASSERT_TRUE(Read("{\\rtf1{\\*\\blob\\bin2 }}}c}"));
    EXPECT_EQ(Text(), "c");

    // A count beyond the input ends it; a negative count skips nothing.
    ASSERT_TRUE(Read("{\\rtf1 a\\bin-5 x\\bin99999999999999 yz}"));
    EXPECT_EQ(Text(), "ax");
}

// --- Damaged and hostile input ----------------------------------------------

TEST_F(RtfReaderTest, ToleratesUnbalancedBraces) {
    // Closing braces without an opening one are ignored.
    ASSERT_TRUE(Read("{\\rtf1 {\\b x}}}} y}"));
    EXPECT_EQ(Text(), "x y");
    EXPECT_EQ(FormatAt("y").fontWeight(), QFont::Normal);

    // Groups left open at the end are closed there; their text is kept.
    ASSERT_TRUE(Read("{\\rtf1 a{\\b b{\\i c"));
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(FormatAt("c").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatAt("c").fontItalic());

    ASSERT_TRUE(Read("{\\rtf1 cut\\"));
    EXPECT_EQ(Text(), "cut");
    ASSERT_TRUE(Read("{\\rtf1 cut\\'4"));
    EXPECT_EQ(Text(), "cut");
}

TEST_F(RtfReaderTest, FinishesVeryDeepNesting) {
    const int depth = 100000;
    ASSERT_TRUE(
        Read("{\\rtf1 " + Repeated("{", depth) + "\\b deep" + Repeated("}", depth) + " after}"));
    EXPECT_TRUE(Text().endsWith(" after"));
    EXPECT_EQ(FormatAt("after").fontWeight(), QFont::Normal);

    // Never closed at all.
    ASSERT_TRUE(Read("{\\rtf1 before" + Repeated("{\\i ", depth)));
    EXPECT_TRUE(Text().startsWith("before"));

    // Moderate nesting keeps its text and formatting.
    ASSERT_TRUE(Read("{\\rtf1 " + Repeated("{", 100) + "\\b shown" + Repeated("}", 100) + "}"));
    EXPECT_EQ(Text(), "shown");
    EXPECT_EQ(FormatAt("shown").fontWeight(), QFont::Bold);
}

TEST_F(RtfReaderTest, ClampsHugeParameters) {
    ASSERT_TRUE(
        Read("{\\rtf1{\\fs999999999999 big}{\\fs00000000000000000024 zeros}"
             "{\\fs30 {\\fs0 nil}{\\fs-10 negative}}"
             "{\\f99999999999 font}{\\cf4294967296 colour}\\u99999999999?z"
             "{\\uc99999999\\u233 skipped to the brace}\\b-99999999999 last}"));
    EXPECT_EQ(Text(), QString::fromUtf8("bigzerosnilnegativefontcolourzélast"));
    const double big = FormatAt("big").fontPointSize();
    EXPECT_GT(big, 100.0);
    EXPECT_LE(big, 1638.0);
    EXPECT_DOUBLE_EQ(FormatAt("zeros").fontPointSize(), 12.0);
    EXPECT_DOUBLE_EQ(FormatAt("nil").fontPointSize(), 15.0);
    EXPECT_DOUBLE_EQ(FormatAt("negative").fontPointSize(), 15.0);
    EXPECT_EQ(FormatAt("font").fontFamilies().toStringList(), baseFont_.families());
    EXPECT_FALSE(FormatAt("colour").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatAt("last").fontWeight(), QFont::Bold);
}

TEST_F(RtfReaderTest, CapsGiantFontAndColourTables) {
    QByteArray rtf = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 5000; ++i)
        rtf += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
    rtf += "}{\\colortbl ;";
    rtf += Repeated("\\red1\\green2\\blue3;", 5000);
    rtf += "}{\\f10\\cf1 early}{\\f4999\\cf4999 late}}";
    ASSERT_TRUE(Read(rtf));
    EXPECT_EQ(Text(), "earlylate");
    EXPECT_EQ(FormatAt("early").fontFamilies().toStringList(), QStringList({"Font10"}));
    EXPECT_EQ(FormatAt("early").foreground().color(), QColor(1, 2, 3));
    EXPECT_EQ(FormatAt("late").fontFamilies().toStringList(), baseFont_.families());
    EXPECT_FALSE(FormatAt("late").hasProperty(QTextFormat::ForegroundBrush));
}

TEST_F(RtfReaderTest, DropsNulAndControlBytes) {
    static const char kInput[] = "{\\rtf1 a\0b\x01\x7f\\'00\\'1fc\\u0?d}";
    ASSERT_TRUE(Read(QByteArray(kInput, sizeof(kInput) - 1)));
    EXPECT_EQ(Text(), "abcd");
}

TEST_F(RtfReaderTest, ReadsManyAlternatingRuns) {
    ASSERT_TRUE(Read("{\\rtf1 " + Repeated("{\\b x}{\\i y}\\par ", 20000) + "}"));
    const QStringList blocks = Blocks();
    ASSERT_EQ(blocks.size(), 20001);
    EXPECT_EQ(blocks.front(), "xy");
    EXPECT_EQ(FormatAt("y").fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatAt("y").fontItalic());
}

// --- Limits that keep the document displayable -------------------------------

TEST_F(RtfReaderTest, BreaksOverlongParagraphsWithoutSplittingCharacters) {
    ASSERT_TRUE(Read("{\\rtf1 " + Repeated("x", 10000) + "}"));
    QStringList blocks = Blocks();
    ASSERT_GT(blocks.size(), 1);
    for (const QString& block : blocks)
        EXPECT_LE(block.size(), 4096);
    EXPECT_EQ(blocks.join(QString()), QString(10000, u'x'));

    // A surrogate pair at the break stays whole.
    for (int before : {4095, 4096}) {
        ASSERT_TRUE(Read("{\\rtf1 " + Repeated("x", before) + "\\u-10179?\\u-8704?y}"));
        blocks = Blocks();
        for (const QString& block : blocks)
            EXPECT_TRUE(QStringView(block).isValidUtf16());
        EXPECT_TRUE(blocks.join(QString()).endsWith(QString::fromUtf8("x\U0001F600y")));
    }
}

TEST_F(RtfReaderTest, CutsShortADocumentTooTallToLayOut) {
    // Far taller than the 2^23 pixels the text layout can handle.
    ASSERT_TRUE(Read("{\\rtf1\\fs3276 " + Repeated("a\\par ", 5000) + "}"));
    EXPECT_GT(document_.blockCount(), 100);
    ASSERT_LT(document_.blockCount(), 5000);
    EXPECT_EQ(Blocks().front(), "a");
    document_.setTextWidth(500);
    EXPECT_LT(document_.size().height(), 8388607.0);

    ASSERT_TRUE(Read("{\\rtf1 " + Repeated("b\\line ", 300000) + "}"));
    const qsizetype characters = Text().size();
    EXPECT_GT(characters, 10000);
    ASSERT_LT(characters, 600000);
    document_.setTextWidth(500);
    EXPECT_LT(document_.size().height(), 8388607.0);
}

TEST_F(RtfReaderTest, GivesTheBaseFontToTextBeyondTheDistinctFontLimit) {
    QByteArray rtf = "{\\rtf1";
    for (int i = 1; i <= 100; ++i) {
        rtf += "{\\fs" + QByteArray::number(20 + 2 * i) + " [" + QByteArray::number(i) + "]}";
    }
    ASSERT_TRUE(Read(rtf + "}"));
    EXPECT_DOUBLE_EQ(FormatAt("[1]").fontPointSize(), 11.0);
    EXPECT_DOUBLE_EQ(FormatAt("[64]").fontPointSize(), 74.0);
    EXPECT_DOUBLE_EQ(FormatAt("[65]").fontPointSize(), 9.0);
    EXPECT_DOUBLE_EQ(FormatAt("[100]").fontPointSize(), 9.0);
}

// --- Files ------------------------------------------------------------------

class RtfFileTest : public RtfReaderTest {
  protected:
    QTemporaryDir dir_;

    QString WriteFile(const QString& name, const QByteArray& content) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(content), content.size());
        return path;
    }

    bool Load(const QString& path) { return LoadRtfFile(path, document_, baseFont_); }
};

TEST_F(RtfFileTest, LoadsARichTextFile) {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(Load(WriteFile("tips.rtf", "{\\rtf1 {\\b Tip:} read the chart\\par}")));
    EXPECT_EQ(Blocks(), QStringList({"Tip: read the chart", ""}));
    EXPECT_EQ(FormatAt("Tip").fontWeight(), QFont::Bold);
}

TEST_F(RtfFileTest, RefusesBadFilesAndKeepsTheDocument) {
    ASSERT_TRUE(dir_.isValid());
    QByteArray oversized = "{\\rtf1 x";
    oversized.append(kMaxRtfFileBytes + 1 - oversized.size(), 'x');
    const QString cases[] = {
        dir_.filePath("missing.rtf"),
        dir_.path(),  // a folder
        WriteFile("plain.txt", "just text"),
        WriteFile("empty.rtf", ""),
        WriteFile("big.rtf", oversized),
    };
    for (const QString& path : cases) {
        document_.setPlainText("old");
        EXPECT_FALSE(Load(path)) << path.toStdString();
        EXPECT_EQ(document_.toPlainText(), "old") << path.toStdString();
    }
}

// Opening a named pipe for reading waits for a writer: it is refused first.
TEST_F(RtfFileTest, RefusesANamedPipeWithoutWaiting) {
    ASSERT_TRUE(dir_.isValid());
    const QString path = dir_.filePath("pipe.rtf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    document_.setPlainText("old");
    EXPECT_FALSE(Load(path));
    EXPECT_EQ(document_.toPlainText(), "old");
    EXPECT_EQ(ReadRegularFile(path, 100).problem, FileProblem::kNotAFile);
    EXPECT_EQ(ReadRegularFile(dir_.filePath("none"), 100).problem, FileProblem::kMissing);
    EXPECT_EQ(ReadRegularFile(WriteFile("five", "12345"), 4).problem, FileProblem::kTooLarge);
    const FileBytes exact = ReadRegularFile(WriteFile("four", "1234"), 4);
    EXPECT_EQ(exact.problem, FileProblem::kNone);
    EXPECT_EQ(exact.data, "1234");
}

TEST_F(RtfFileTest, LoadsAFileOfExactlyTheLimit) {
    ASSERT_TRUE(dir_.isValid());
    QByteArray content = "{\\rtf1 kept{\\*\\padding ";
    content.append(kMaxRtfFileBytes - 2 - content.size(), 'p');
    content.append("}}");
    ASSERT_EQ(content.size(), kMaxRtfFileBytes);
    ASSERT_TRUE(Load(WriteFile("limit.rtf", content)));
    EXPECT_EQ(Text(), "kept");
}

// The program's own tips file: readable, titled in bold, fixed pitch.
TEST_F(RtfFileTest, ReadsTheTipsFile) {
    EXPECT_LT(QFileInfo(CALORIX_TIPS_FILE).size(), 4096);
    ASSERT_TRUE(Load(CALORIX_TIPS_FILE));
    const QStringList blocks = Blocks();
    ASSERT_GT(blocks.size(), 5);
    EXPECT_EQ(FormatAt(blocks.front()).fontWeight(), QFont::Bold);
    for (const TextRun& run : Runs()) {
        EXPECT_TRUE(run.format.fontFixedPitch()) << run.text.toStdString();
    }
    const QString text = document_.toPlainText();
    for (const char* phrase : {"Enter", "Locate", "25c", "100k", "Show labels", "Show markers",
                               "Plot...", "Clear", "(P,s)"}) {
        EXPECT_TRUE(text.contains(QLatin1String(phrase))) << phrase;
    }
}

// Every seed of the fuzzer and every input that ever failed, read and laid
// out as the Tips window shows them.
TEST_F(RtfFileTest, ReadsEveryFuzzCorpusAndRegressionFile) {
    int files = 0;
    for (const char* folder : {CALORIX_RTF_CORPUS_DIR, CALORIX_RTF_REGRESSIONS_DIR}) {
        const QDir dir(QString::fromUtf8(folder));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
            if (info.suffix() == "md") continue;
            QFile file(info.filePath());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << info.filePath().toStdString();
            const QByteArray content = file.readAll();
            const bool isRtf = ReadRtf(content, document_, baseFont_);
            EXPECT_EQ(isRtf, content.trimmed().startsWith("{\\rtf"))
                << info.filePath().toStdString();
            if (!isRtf) {
                EXPECT_TRUE(document_.isEmpty());
            }
            document_.setTextWidth(500);
            EXPECT_LT(document_.size().height(), 8388607.0) << info.filePath().toStdString();
            ++files;
        }
    }
    EXPECT_GE(files, 5);
}

}  // namespace
}  // namespace calorix
