#include "BandReport.h"

#include "Dataset.h"

#include <QApplication>
#include <QFontMetricsF>
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

// The lines of text that fit the box, broken at word boundaries; the first
// line always prints, cut by the box if it must be.
QStringList fittingLines(const QString& text, const QFont& font, const QRectF& box, bool rightToLeft)
{
    if (text.isEmpty())
        return {};
    const double unitsPerMillimetre = ReferenceDpi / MillimetresPerInch;
    const double width = box.width() * unitsPerMillimetre;
    const double height = box.height() * unitsPerMillimetre;
    const QFontMetricsF metrics(font, &referenceDevice());
    if (!text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) <= width)
        return {text};

    QTextLayout layout(text, font, &referenceDevice());
    QTextOption option(Qt::AlignAbsolute | Qt::AlignRight);
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    QStringList lines;
    double used = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (!lines.isEmpty() && used + line.height() > height + Tolerance)
            break;
        used += line.height();
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
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
        pages.last().texts.append({text.name, box,
                                   fittingLines(text.text(), text.font, box, text.rightToLeft), text.font,
                                   text.alignment, text.rightToLeft, text.frame});
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
    for (const PlacedText& text : page.texts) {
        const QRectF box(text.box.x() * scale, text.box.y() * scale, text.box.width() * scale,
                         text.box.height() * scale);
        painter.fillRect(box, Qt::white);
        painter.save();
        painter.setClipRect(box);
        painter.setFont(text.font);
        painter.setPen(Qt::black);
        painter.setLayoutDirection(text.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const double lineHeight = QFontMetricsF(text.font, painter.device()).lineSpacing();
        double top = box.top();
        const Qt::Alignment horizontal = (text.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignAbsolute;
        for (const QString& line : text.lines) {
            painter.drawText(QRectF(box.left(), top, box.width(), lineHeight), horizontal | Qt::AlignTop,
                             line);
            top += lineHeight;
        }
        painter.restore();

        QPen pen(Qt::black, FrameLineWidth * scale);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        if (text.frame.top)
            painter.drawLine(box.topLeft(), box.topRight());
        if (text.frame.bottom)
            painter.drawLine(box.bottomLeft(), box.bottomRight());
        if (text.frame.left)
            painter.drawLine(box.topLeft(), box.bottomLeft());
        if (text.frame.right)
            painter.drawLine(box.topRight(), box.bottomRight());
    }
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
