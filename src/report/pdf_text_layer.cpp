#include "report/pdf_text_layer.h"

#include <QMap>
#include <QPaintEngine>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace tivora {

class TextItemRecorder::Engine : public QPaintEngine {
public:
    Engine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { page.append(item.text()); }
    Type type() const override { return User; }

    QStringList page;
};

TextItemRecorder::TextItemRecorder(const QPaintDevice& standIn)
    : standIn_(standIn), engine_(std::make_unique<Engine>()) {}

TextItemRecorder::~TextItemRecorder() = default;

QPaintEngine* TextItemRecorder::paintEngine() const {
    return engine_.get();
}

void TextItemRecorder::newPage() {
    done_.append(engine_->page);
    engine_->page.clear();
}

QList<QStringList> TextItemRecorder::pages() const {
    return done_ + QList<QStringList>{engine_->page};
}

int TextItemRecorder::metric(PaintDeviceMetric metric) const {
    const QPaintDevice& d = standIn_;
    // Indexed by PaintDeviceMetric, PdmWidth (1) to PdmDevicePixelRatioScaled (12).
    const int values[] = {0,
                          d.width(),
                          d.height(),
                          d.widthMM(),
                          d.heightMM(),
                          d.colorCount(),
                          d.depth(),
                          d.logicalDpiX(),
                          d.logicalDpiY(),
                          d.physicalDpiX(),
                          d.physicalDpiY(),
                          static_cast<int>(d.devicePixelRatio()),
                          static_cast<int>(d.devicePixelRatio() * devicePixelRatioFScale())};
    static_assert(PdmWidth == 1 && PdmDevicePixelRatioScaled == 12);
    return metric >= PdmWidth && metric <= PdmDevicePixelRatioScaled ? values[metric] : 0;
}

namespace {

// The cross-reference table and trailer of a file written in one go.
struct CrossReference {
    QMap<int, qint64> offsets;
    QByteArray size, root, info;
    qint64 start = 0;
};

std::optional<CrossReference> ReadCrossReference(const QByteArray& pdf) {
    const qsizetype tail = pdf.lastIndexOf("startxref");
    if (tail < 0)
        return std::nullopt;
    CrossReference xref;
    bool ok = false;
    xref.start = pdf.mid(tail + 9, 24).simplified().split(' ').value(0).toLongLong(&ok);
    if (!ok || xref.start <= 0 || xref.start >= tail || !pdf.mid(xref.start).startsWith("xref\n"))
        return std::nullopt;
    qsizetype at = xref.start + 5;
    // Subsections: "first count", then count entries of 20 bytes each.
    for (;;) {
        const qsizetype end = pdf.indexOf('\n', at);
        if (end < 0)
            return std::nullopt;
        const QList<QByteArray> head = pdf.mid(at, end - at).simplified().split(' ');
        if (head.value(0) == "trailer")
            break;
        bool firstOk = false, countOk = false;
        const int first = head.value(0).toInt(&firstOk);
        const int count = head.value(1).toInt(&countOk);
        if (!firstOk || !countOk || count < 0 || end + 1 + 20LL * count > tail)
            return std::nullopt;
        at = end + 1;
        for (int i = 0; i < count; ++i, at += 20) {
            const QByteArray entry = pdf.mid(at, 20);
            if (entry.at(17) == 'n')
                xref.offsets.insert(first + i, entry.left(10).toLongLong());
        }
    }
    const QByteArray trailer = pdf.mid(at, tail - at);
    // Only a file of one revision: an update of an update is not ours to read.
    if (trailer.contains("/Prev"))
        return std::nullopt;
    static const QRegularExpression size(QStringLiteral("/Size (\\d+)"));
    static const QRegularExpression root(QStringLiteral("/Root (\\d+ \\d+ R)"));
    static const QRegularExpression info(QStringLiteral("/Info (\\d+ \\d+ R)"));
    const QString text = QString::fromLatin1(trailer);
    xref.size = size.match(text).captured(1).toLatin1();
    xref.root = root.match(text).captured(1).toLatin1();
    xref.info = info.match(text).captured(1).toLatin1();
    if (xref.size.isEmpty() || xref.root.isEmpty())
        return std::nullopt;
    return xref;
}

// The text of object `number` from "N 0 obj" to "endobj"; empty when absent.
QByteArray ObjectText(const QByteArray& pdf, const CrossReference& xref, int number) {
    const qint64 at = xref.offsets.value(number, -1);
    if (at < 0 || at >= pdf.size())
        return {};
    const qsizetype end = pdf.indexOf("endobj", at);
    return end < 0 ? QByteArray() : pdf.mid(at, end - at);
}

int Reference(const QByteArray& object, const char* key) {
    const QRegularExpression pattern(QLatin1String(key) + QStringLiteral(" (\\d+) 0 R"));
    return pattern.match(QString::fromLatin1(object)).captured(1).toInt();
}

// A page's content stream, decompressed; nullopt when it is not one the
// writer made (one Flate stream with its length).
std::optional<QByteArray> PageContent(const QByteArray& pdf, const CrossReference& xref,
                                      int number) {
    const qint64 at = xref.offsets.value(number, -1);
    if (at < 0)
        return std::nullopt;
    const qsizetype stream = pdf.indexOf("stream\n", at);
    if (stream < 0)
        return std::nullopt;
    const QByteArray dictionary = pdf.mid(at, stream - at);
    if (!dictionary.contains("/Filter /FlateDecode"))
        return std::nullopt;
    static const QRegularExpression lengthKey(QStringLiteral("/Length (\\d+)( 0 R)?"));
    const QRegularExpressionMatch match = lengthKey.match(QString::fromLatin1(dictionary));
    if (!match.hasMatch())
        return std::nullopt;
    qint64 length = match.captured(1).toLongLong();
    if (!match.captured(2).isEmpty()) {
        const QByteArray object = ObjectText(pdf, xref, static_cast<int>(length));
        length = object.mid(object.indexOf("obj") + 3).trimmed().toLongLong();
    }
    const qsizetype data = stream + 7;
    if (length <= 0 || data + length > pdf.size())
        return std::nullopt;
    // qUncompress wants the size first; it grows its buffer when the guess is short.
    QByteArray compressed(4, '\0');
    const quint32 guess = static_cast<quint32>(qMin<qint64>(length * 8, 64 << 20));
    for (int i = 0; i < 4; ++i)
        compressed[i] = static_cast<char>((guess >> (24 - 8 * i)) & 0xff);
    compressed += pdf.mid(data, length);
    QByteArray content = qUncompress(compressed);
    if (content.isEmpty())
        return std::nullopt;
    return content;
}

// Marks that only steer the direction of text.
bool IsDirectionMark(char16_t u) {
    return u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
}

// Characters that draw nothing: direction marks, zero-width spaces and joiners.
bool IsInvisible(char16_t u) {
    return IsDirectionMark(u) || (u >= 0x200B && u <= 0x200D) || (u >= 0x2060 && u <= 0x2065) ||
           u == 0xFEFF;
}

// What a reader should take for a text object: the item's text without the
// invisible direction marks, in UTF-16 with its byte order mark.
QByteArray ActualTextString(const QString& text) {
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        if (!IsDirectionMark(c.unicode()))
            hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

// The glyphs a text object draws before the writer's own span (its second
// pass of a synthesised bold).
QList<qsizetype> GlyphsPerTextObject(const QList<QByteArray>& lines) {
    QList<qsizetype> glyphs;
    bool counting = false;
    for (const QByteArray& line : lines) {
        if (line == "BT") {
            glyphs.append(0);
            counting = true;
        } else if (line == "ET" || line.startsWith("/Span")) {
            counting = false;
        } else if (counting && line.endsWith(" Tj")) {
            ++glyphs.last();
        }
    }
    return glyphs;
}

// The text of each text object. The writer leaves out an item whose glyphs
// are all invisible (a direction mark drawn in a font that has no glyph for
// it), so such an item goes unpaired when the next object draws more glyphs
// than it has characters. Empty when the two do not pair up.
QStringList PairedTexts(const QList<qsizetype>& glyphs, const QStringList& texts) {
    const auto invisible = [](const QString& text) {
        return std::all_of(text.cbegin(), text.cend(),
                           [](QChar c) { return IsInvisible(c.unicode()); });
    };
    QStringList paired;
    qsizetype item = 0;
    for (const qsizetype count : glyphs) {
        while (item < texts.size() && invisible(texts[item]) && count > texts[item].size())
            ++item;
        if (item == texts.size())
            return {};
        paired.append(texts[item++]);
    }
    for (; item < texts.size(); ++item)
        if (!invisible(texts[item]))
            return {};
    return paired;
}

// The content with each text object's glyphs marked with its text; nullopt
// when the objects and the texts do not pair up.
std::optional<QByteArray> MarkedContent(const QByteArray& content, const QStringList& items) {
    const QList<QByteArray> lines = content.split('\n');
    const QList<qsizetype> glyphs = GlyphsPerTextObject(lines);
    const QStringList texts = PairedTexts(glyphs, items);
    if (texts.size() != glyphs.size() || glyphs.isEmpty())
        return std::nullopt;
    QByteArray out;
    out.reserve(content.size() + texts.size() * 64);
    qsizetype next = 0;
    bool open = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        // The writer's own span (the second pass of a synthesised bold, with
        // an empty text) must not sit inside ours: readers do not nest them.
        if (open && (line == "ET" || line.startsWith("/Span"))) {
            out += "EMC\n";
            open = false;
        }
        out += line;
        if (i + 1 < lines.size())
            out += '\n';
        if (line == "BT") {
            out += "/Span << /ActualText " + ActualTextString(texts[next++]) + " >> BDC\n";
            open = true;
        }
    }
    if (open)
        return std::nullopt;
    return out;
}

} // namespace

QByteArray WithActualText(const QByteArray& pdf, const QList<QStringList>& pageTexts) {
    const std::optional<CrossReference> xref = ReadCrossReference(pdf);
    if (!xref)
        return pdf;
    const QByteArray pages = ObjectText(
        pdf, *xref,
        Reference(ObjectText(pdf, *xref, xref->root.split(' ').value(0).toInt()), "/Pages"));
    const qsizetype kids = pages.indexOf("/Kids");
    const qsizetype kidsEnd = pages.indexOf(']', kids);
    if (kids < 0 || kidsEnd < 0)
        return pdf;
    static const QRegularExpression reference(QStringLiteral("(\\d+) 0 R"));
    QList<int> pageObjects;
    for (const QRegularExpressionMatch& m :
         reference.globalMatch(QString::fromLatin1(pages.mid(kids, kidsEnd - kids))))
        pageObjects.append(m.captured(1).toInt());
    if (pageObjects.size() != pageTexts.size())
        return pdf;

    QByteArray update;
    QMap<int, qint64> replaced;
    for (qsizetype p = 0; p < pageObjects.size(); ++p) {
        const int contents = Reference(ObjectText(pdf, *xref, pageObjects[p]), "/Contents");
        const std::optional<QByteArray> content = PageContent(pdf, *xref, contents);
        if (!content)
            continue;
        const std::optional<QByteArray> marked = MarkedContent(*content, pageTexts[p]);
        if (!marked)
            continue;
        // qCompress puts the length in front of the zlib stream a PDF wants.
        const QByteArray compressed = qCompress(*marked, 9).mid(4);
        replaced.insert(contents, pdf.size() + update.size());
        update += QByteArray::number(contents) + " 0 obj\n<<\n/Length " +
                  QByteArray::number(compressed.size()) + "\n/Filter /FlateDecode\n>>\nstream\n" +
                  compressed + "\nendstream\nendobj\n";
    }
    if (replaced.isEmpty())
        return pdf;
    const qint64 table = pdf.size() + update.size();
    update += "xref\n";
    for (auto it = replaced.cbegin(); it != replaced.cend(); ++it)
        update += QByteArray::number(it.key()) + " 1\n" +
                  QByteArray::number(it.value()).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + xref->size + "\n/Root " + xref->root;
    if (!xref->info.isEmpty())
        update += "\n/Info " + xref->info;
    update += "\n/Prev " + QByteArray::number(xref->start) + "\n>>\nstartxref\n" +
              QByteArray::number(table) + "\n%%EOF\n";
    // ActualText came with PDF 1.5; the header keeps its length, so every
    // offset stays where it was.
    QByteArray marked = pdf + update;
    if (marked.startsWith("%PDF-1.4"))
        marked[7] = '5';
    return marked;
}

} // namespace tivora
