// RecordingPrinter: a PrinterSystem for tests. The installed printers are whatever the test puts
// in `names`; jobs are recorded instead of printed, and `failJobs` makes them fail.
#pragma once

#include "PrinterSystem.h"

#include <vector>

class RecordingPrinter : public PrinterSystem
{
public:
    struct Job
    {
        QString printer;
        PageSetup setup;
        QStringList lines;
    };

    QStringList names;
    QString defaultName;
    QString current;
    std::vector<Job> jobs;
    bool failJobs = false;

    QStringList printerNames() const override
    {
        return names;
    }
    QString defaultPrinter() const override
    {
        return defaultName;
    }
    QString currentPrinter() const override
    {
        return current;
    }
    void setCurrentPrinter(const QString& name) override
    {
        current = name;
    }
    bool printLines(const PageSetup& setup, const QStringList& lines, QString* error = nullptr) override
    {
        if (failJobs && error)
            *error = current + QStringLiteral(": the printer is out of paper");
        if (!failJobs)
            jobs.push_back(Job{current, setup, lines});
        return !failJobs;
    }
};
