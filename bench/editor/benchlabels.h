#ifndef BENCHLABELS_H
#define BENCHLABELS_H

#include "pipe/pipelabel.h"

#include <QString>
#include <QStringList>

// The labels every benchmark measures, named so that the table can say which.
class BenchLabels
{
public:
    BenchLabels() = delete;

    // 576 x 72 pt (pipe size row 1), a 20-character legend, an arrow on each side,
    // the text fitted to the label ("Fit text to label"), so the label keeps its
    // size: the everyday label.
    static PipeLabel ordinary();
    // The same on the longest label the stock takes (13824 pt): the text is
    // stretched along all of it.
    static PipeLabel longest();
    // A 250-character legend on a new label of row 1, which grows to fit it
    // ("Fit label to text", a new label's option).
    static PipeLabel longLegend();

    static PipeLabel byName(const QString& name);
    static QStringList names();

    // Saves every label into `folder` as <name>.qypm through the editor's own file
    // controller. False when one could not be written.
    static bool writeFiles(const QString& folder);

    // The folder the benchmarks read and write label files in, and a file there.
    static void setFolder(const QString& folder);
    static QString filePath(const QString& fileName);

private:
    static QString m_folder;
};

#endif
