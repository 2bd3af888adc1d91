#ifndef STARTARGUMENTS_H
#define STARTARGUMENTS_H

#include <QString>
#include <QStringList>

// What the command line "vendrel [--mvtestmode] [label file]" asks for.
struct StartArguments
{
    bool testMode = false;
    // The kind number of the label kinds table, which the window's module kinds
    // follow: 0 pipe marker, 1 ammonia pipe marker, 2 arrow wrap.
    int kind = 0;
    // Handed on unchanged; empty when absent or not a label kind the editor opens.
    QString path;

    // arguments as the process received them, program path first.
    static StartArguments parse(QStringList arguments);

    // What "--help" or "--version" asks the launcher to print before it exits,
    // without opening a window (so without a display); empty when neither is
    // among the arguments, which then keep the rule of parse(). Help wins when
    // both are given.
    static QString informationText(const QStringList& arguments, const QString& version);
};

#endif
