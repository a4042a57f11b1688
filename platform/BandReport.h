#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

class Dataset;
class QPagedPaintDevice;
class QPainter;

// Which sides of a report text's box carry a frame line.
struct ReportFrame
{
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
};

// A text of a printed layout in a fixed box, measured in millimetres: a
// label whose caption is set by the layout or by the program, or a
// data-aware text that prints one field of its dataset's current row. Lines
// that do not fit the box's height are not printed.
class ReportLabel
{
public:
    QString name;
    QRectF box;
    QFont font;
    Qt::Alignment alignment = Qt::AlignRight;
    bool rightToLeft = true;
    ReportFrame frame;
    // Set for a data-aware text.
    Dataset* dataset = nullptr;
    QString dataField;

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    // The caption, or the field's text in the dataset's current row.
    QString text() const;

private:
    QString m_caption;
};

// A horizontal strip of a layout printed as a whole: the title band once at
// the top of the first page, the column header at the top of every page that
// holds rows, the detail band once for each row of the dataset.
struct ReportBand
{
    enum class Kind
    {
        Title,
        ColumnHeader,
        Detail
    };
    Kind kind;
    double height;
    QList<ReportLabel*> items;
};

// A text as it lands on a page: its box in millimetres from the sheet's
// top-left corner and the lines of it that fit the box.
struct PlacedText
{
    QString name;
    QRectF box;
    QStringList lines;
    QFont font;
    Qt::Alignment alignment;
    bool rightToLeft;
    ReportFrame frame;
    // Some line is wider than the box or taller than what is left of it.
    bool overflows;
};

struct ReportPage
{
    QList<PlacedText> texts;
};

// Base of the program's printed layouts: A4 portrait pages built from bands
// of labels and data-aware texts, and labels placed on the sheet itself.
// Building walks the dataset from its first row to its last and leaves it on
// the last row. The same built pages go to the preview, a printer or a PDF.
class BandReport : public QObject
{
    Q_OBJECT

public:
    static constexpr double PageWidth = 210.0;
    static constexpr double PageHeight = 297.0;

    explicit BandReport(const QString& name, QObject* parent = nullptr);
    ~BandReport() override;

    QList<ReportPage> build();
    // Prints the built pages on a device whose page is the whole A4 sheet.
    static void print(const QList<ReportPage>& pages, QPagedPaintDevice& device);
    static void paintPage(QPainter& painter, const ReportPage& page, double unitsPerMillimetre);

    // Builds the pages, shows them in a print preview window from which the
    // user prints, and returns when that window is closed.
    void Preview();

protected:
    void setMargins(double top, double bottom, double left, double right);
    void setDataSet(Dataset* dataset) { m_dataset = dataset; }
    ReportBand* addBand(ReportBand::Kind kind, double height);
    // A text in a band (positions from the band's corner) or, with no band,
    // on the sheet itself (positions from the sheet's corner).
    ReportLabel* addText(ReportBand* band, const QString& name, const QRectF& box, const QFont& font);

private:
    struct Builder;

    double m_top = 0;
    double m_bottom = 0;
    double m_left = 0;
    double m_right = 0;
    Dataset* m_dataset = nullptr;
    std::vector<std::unique_ptr<ReportLabel>> m_texts;
    std::vector<std::unique_ptr<ReportBand>> m_bands;
    QList<ReportLabel*> m_sheetTexts;
};
