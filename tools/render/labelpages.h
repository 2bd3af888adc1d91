#ifndef LABELPAGES_H
#define LABELPAGES_H

#include <QString>

#include <memory>

class MvCanvasModel;
class QPainter;
class QPdfWriter;

// One PDF of many labels, one page per label copy, each page the label's own size
// in points; a page is drawn and done before the next, so nothing of a label stays
// in memory once its pages are written. The file is created with the first page.
// Text and shapes stay vectors; symbols are drawn as images at the resolution
// given, which is what a page costs in time and bytes (a 1200 dpi arrow is a
// sixteenth of a megapixel, compressed anew on every page).
class LabelPages
{
public:
    LabelPages(const QString& path, int dotsPerInch);
    ~LabelPages();
    LabelPages(const LabelPages&) = delete;
    LabelPages& operator=(const LabelPages&) = delete;

    // False with error() set when the file cannot be written.
    bool addPage(MvCanvasModel* canvas);
    // Ends the document; false when it could not be completed.
    bool finish();

    int pageCount() const { return m_pages; }
    QString error() const { return m_error; }

    // A single label as a PNG image at the resolution given, transparent where the
    // label leaves the stock bare.
    static bool writePng(MvCanvasModel* canvas, const QString& path, int dotsPerInch,
                         QString* error);

private:
    QString m_path;
    int m_dotsPerInch;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
    QString m_error;
};

#endif
