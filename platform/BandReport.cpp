#include "BandReport.h"

#include "Dataset.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextLayout>

namespace {

constexpr double MillimetresPerInch = 25.4;
// Lines are broken once, on a reference of this resolution, so that every
// device prints the same lines.
constexpr int ReferenceDpi = 600;
constexpr double FrameLineWidth = 25.4 / 72; // one point
constexpr double Tolerance = 1e-6;

QPaintDevice& referenceDevice()
{
    static QImage image = [] {
        QImage reference(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = qRound(ReferenceDpi / MillimetresPerInch * 1000);
        reference.setDotsPerMeterX(dotsPerMetre);
        reference.setDotsPerMeterY(dotsPerMetre);
        return reference;
    }();
    return image;
}

struct FittedText
{
    QStringList lines;
    bool overflows = false;
};

// The lines of text that fit the box, broken at word boundaries; the first
// line always prints, cut by the box if it must be.
FittedText fittingLines(const QString& text, const QFont& font, const QRectF& box, bool rightToLeft)
{
    if (text.isEmpty())
        return {};
    const double unitsPerMillimetre = ReferenceDpi / MillimetresPerInch;
    const double width = box.width() * unitsPerMillimetre;
    const double height = box.height() * unitsPerMillimetre;
    const QFontMetricsF metrics(font, &referenceDevice());
    if (!text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) <= width)
        return {{text}, metrics.lineSpacing() > height + Tolerance};

    QTextLayout layout(text, font, &referenceDevice());
    QTextOption option(Qt::AlignAbsolute | Qt::AlignRight);
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    FittedText fitted;
    double used = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (line.naturalTextWidth() > width + Tolerance)
            fitted.overflows = true;
        if (!fitted.lines.isEmpty() && used + line.height() > height + Tolerance) {
            fitted.overflows = true;
            break;
        }
        used += line.height();
        fitted.lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    fitted.overflows = fitted.overflows || used > height + Tolerance;
    return fitted;
}

} // namespace

QString ReportLabel::text() const
{
    if (!dataset)
        return m_caption;
    const Field* field = dataset->FindField(dataField);
    return field ? field->AsString() : QString();
}

struct BandReport::Builder
{
    const BandReport& report;
    QList<ReportPage> pages;
    double y = 0;

    void newPage()
    {
        pages.append(ReportPage());
        y = report.m_top;
    }

    void endPage()
    {
        for (const ReportLabel* text : report.m_sheetTexts)
            place(*text, text->box);
    }

    void place(const ReportLabel& text, const QRectF& box)
    {
        const FittedText fitted = fittingLines(text.text(), text.font, box, text.rightToLeft);
        pages.last().texts.append(PlacedText{text.name, box, fitted.lines, text.font, text.alignment,
                                             text.rightToLeft, text.frame, fitted.overflows});
    }

    bool fits(const ReportBand& band) const
    {
        return y + band.height <= PageHeight - report.m_bottom + Tolerance;
    }

    void print(const ReportBand& band)
    {
        for (const ReportLabel* item : band.items)
            place(*item, item->box.translated(report.m_left, y));
        y += band.height;
    }
};

BandReport::BandReport(const QString& name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
}

BandReport::~BandReport() = default;

void BandReport::setMargins(double top, double bottom, double left, double right)
{
    m_top = top;
    m_bottom = bottom;
    m_left = left;
    m_right = right;
}

ReportBand* BandReport::addBand(ReportBand::Kind kind, double height)
{
    m_bands.push_back(std::make_unique<ReportBand>(ReportBand{kind, height, {}}));
    return m_bands.back().get();
}

ReportLabel* BandReport::addText(ReportBand* band, const QString& name, const QRectF& box, const QFont& font)
{
    m_texts.push_back(std::make_unique<ReportLabel>());
    ReportLabel* text = m_texts.back().get();
    text->name = name;
    text->box = box;
    text->font = font;
    if (band)
        band->items.append(text);
    else
        m_sheetTexts.append(text);
    return text;
}

QList<ReportPage> BandReport::build()
{
    auto bandOf = [this](ReportBand::Kind kind) -> const ReportBand* {
        for (const auto& band : m_bands) {
            if (band->kind == kind)
                return band.get();
        }
        return nullptr;
    };
    const ReportBand* title = bandOf(ReportBand::Kind::Title);
    const ReportBand* header = bandOf(ReportBand::Kind::ColumnHeader);
    const ReportBand* detail = bandOf(ReportBand::Kind::Detail);

    Builder builder{*this, {}, 0};
    builder.newPage();
    if (title)
        builder.print(*title);
    const bool hasRows = m_dataset && m_dataset->Active() && !m_dataset->isEmpty();
    if (hasRows && detail) {
        // Bound windows follow the walk once, at its end, not row by row.
        m_dataset->DisableControls();
        try {
            m_dataset->First();
            if (header)
                builder.print(*header);
            for (;;) {
                if (!builder.fits(*detail)) {
                    builder.endPage();
                    builder.newPage();
                    if (header)
                        builder.print(*header);
                }
                builder.print(*detail);
                m_dataset->Next();
                if (m_dataset->Eof())
                    break;
            }
        } catch (...) {
            m_dataset->EnableControls();
            throw;
        }
        m_dataset->EnableControls();
    } else if (detail) {
        // Nothing to list: one empty row of the detail band.
        builder.print(*detail);
    }
    builder.endPage();
    return builder.pages;
}

void BandReport::paintPage(QPainter& painter, const ReportPage& page, double unitsPerMillimetre)
{
    const double scale = unitsPerMillimetre;
    auto onDevice = [scale](const QRectF& box) {
        return QRectF(box.x() * scale, box.y() * scale, box.width() * scale, box.height() * scale);
    };
    // Backgrounds first, then texts, then frame lines, so that no box's white
    // covers the frame line of a neighbour it overlaps.
    QList<QRectF> boxes;
    QList<QLineF> frameLines;
    for (const PlacedText& text : page.texts) {
        const QRectF box = onDevice(text.box);
        boxes.append(box);
        if (text.frame.top)
            frameLines.append(QLineF(box.topLeft(), box.topRight()));
        if (text.frame.bottom)
            frameLines.append(QLineF(box.bottomLeft(), box.bottomRight()));
        if (text.frame.left)
            frameLines.append(QLineF(box.topLeft(), box.bottomLeft()));
        if (text.frame.right)
            frameLines.append(QLineF(box.topRight(), box.bottomRight()));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRects(boxes.constData(), int(boxes.size()));

    painter.setPen(Qt::black);
    // A page repeats a few fonts many times over.
    QHash<QString, double> lineHeights;
    for (int i = 0; i < page.texts.size(); ++i) {
        const PlacedText& text = page.texts[i];
        if (text.lines.isEmpty())
            continue;
        const QRectF& box = boxes[i];
        if (text.overflows) {
            painter.save();
            painter.setClipRect(box);
        }
        painter.setFont(text.font);
        painter.setLayoutDirection(text.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const QString key = text.font.key();
        auto height = lineHeights.find(key);
        if (height == lineHeights.end())
            height = lineHeights.insert(key, QFontMetricsF(text.font, painter.device()).lineSpacing());
        const Qt::Alignment horizontal = (text.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignAbsolute;
        double top = box.top();
        for (const QString& line : text.lines) {
            painter.drawText(QRectF(box.left(), top, box.width(), *height), horizontal | Qt::AlignTop, line);
            top += *height;
        }
        if (text.overflows)
            painter.restore();
    }

    QPen framePen(Qt::black, FrameLineWidth * scale);
    framePen.setCapStyle(Qt::FlatCap);
    painter.setPen(framePen);
    painter.drawLines(frameLines.constData(), int(frameLines.size()));
}

void BandReport::print(const QList<ReportPage>& pages, QPagedPaintDevice& device)
{
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter(&device);
    const double unitsPerMillimetre = device.logicalDpiX() / MillimetresPerInch;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, pages[i], unitsPerMillimetre);
    }
}

void BandReport::Preview()
{
    const QList<ReportPage> pages = build();
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
    preview.setLayoutDirection(Qt::RightToLeft);
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&pages](QPrinter* target) { print(pages, *target); });
    preview.exec();
}
