#pragma once

#include <QByteArray>
#include <QList>
#include <QPaintDevice>
#include <QStringList>

#include <memory>

namespace tivora {

// A paint device that draws nothing and keeps the text of every text item
// painted on it, page by page, in the order the items were drawn. Its
// metrics are those of the device it stands in for, so text painted on both
// splits into the same items.
class TextItemRecorder : public QPaintDevice {
public:
    explicit TextItemRecorder(const QPaintDevice& standIn);
    ~TextItemRecorder() override;

    QPaintEngine* paintEngine() const override;

    // Ends the page being recorded; the next items belong to a new page.
    void newPage();
    // Every page's texts, the last page included.
    QList<QStringList> pages() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    const QPaintDevice& standIn_;
    std::unique_ptr<Engine> engine_;
    QList<QStringList> done_;
};

// Qt's PDF writer maps each glyph back to one character, so extracted text
// loses what shaping reordered or joined (Devanagari's vowel signs placed
// before their consonant, conjuncts drawn as one glyph). Given each page's
// text items in drawing order, as TextItemRecorder kept them, this marks
// every text object of a page written by QPdfWriter with the item's own text
// (PDF marked content with ActualText), appended as an incremental update.
// A page whose text objects do not match its items one for one is left as
// it was; so is a document that is not laid out as QPdfWriter writes it.
QByteArray WithActualText(const QByteArray& pdf, const QList<QStringList>& pageTexts);

} // namespace tivora
