// A paint device that records what is drawn on it: rectangles, lines and texts
// with their positions, pen, brush and font, page by page. For layout tests
// that check exact coordinates without rendering pixels.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QTextItem>
#include <memory>
#include <vector>

namespace wl::fakes {

struct TRecorded {
    enum TKind { Rect, Line, Text } Kind;
    int Page;    // from 1
    QRectF Box;  // a rectangle; for a line its two ends; for a text its line box
    QString Str; // the text
    QFont Font;
    QColor Brush;
    qreal PenWidth;
};

class TRecordingDevice : public QPaintDevice {
public:
    // A letter page less quarter-inch margins at 300 dots per inch by default.
    explicit TRecordingDevice(int width = 2400, int height = 3150, int dpi = 300)
        : Width(width), Height(height), Dpi(dpi), Engine(std::make_unique<TEngine>(*this)) {}
    ~TRecordingDevice() override = default;

    std::vector<TRecorded> Items;
    int Page = 1;
    bool NewPage() {
        ++Page;
        return true;
    }

    std::vector<TRecorded> Texts(int page = 0) const { return Of(TRecorded::Text, page); }
    std::vector<TRecorded> Rects(int page = 0) const { return Of(TRecorded::Rect, page); }
    // The first text item equal to s (page 0: any page); null when none.
    const TRecorded* Find(const QString& s, int page = 0) const {
        for (const TRecorded& r : Items)
            if (r.Kind == TRecorded::Text && r.Str == s && (page == 0 || r.Page == page)) return &r;
        return nullptr;
    }

    QPaintEngine* paintEngine() const override { return Engine.get(); }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return Width;
        case PdmHeight:
            return Height;
        case PdmWidthMM:
            return Width * 254 / Dpi / 10;
        case PdmHeightMM:
            return Height * 254 / Dpi / 10;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return Dpi;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    std::vector<TRecorded> Of(TRecorded::TKind kind, int page) const {
        std::vector<TRecorded> out;
        for (const TRecorded& r : Items)
            if (r.Kind == kind && (page == 0 || r.Page == page)) out.push_back(r);
        return out;
    }

    class TEngine : public QPaintEngine {
    public:
        explicit TEngine(TRecordingDevice& d) : QPaintEngine(AllFeatures), Device(d) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& s) override {
            if (s.state() & DirtyPen) Pen = s.pen();
            if (s.state() & DirtyBrush) Brush = s.brush().color();
        }
        void drawRects(const QRectF* rects, int count) override {
            for (int i = 0; i < count; ++i) Add(TRecorded::Rect, rects[i], {}, {});
        }
        void drawRects(const QRect* rects, int count) override {
            for (int i = 0; i < count; ++i) Add(TRecorded::Rect, QRectF(rects[i]), {}, {});
        }
        void drawLines(const QLineF* lines, int count) override {
            for (int i = 0; i < count; ++i)
                Add(TRecorded::Line, QRectF(lines[i].p1(), lines[i].p2()), {}, {});
        }
        void drawLines(const QLine* lines, int count) override {
            for (int i = 0; i < count; ++i)
                Add(TRecorded::Line, QRectF(QPointF(lines[i].p1()), QPointF(lines[i].p2())), {},
                    {});
        }
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            const QFontMetrics fm(item.font(), &Device);
            const QRectF box(p.x(), p.y() - fm.ascent(), fm.horizontalAdvance(item.text()),
                             fm.height());
            Add(TRecorded::Text, box, item.text(), item.font());
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

    private:
        void Add(TRecorded::TKind kind, const QRectF& box, const QString& s, const QFont& f) {
            Device.Items.push_back({kind, Device.Page, box, s, f, Brush, Pen.widthF()});
        }
        TRecordingDevice& Device;
        QPen Pen;
        QColor Brush;
    };

    int Width, Height, Dpi;
    std::unique_ptr<TEngine> Engine;
};

} // namespace wl::fakes
