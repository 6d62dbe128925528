#pragma once

#include <QCoreApplication>
#include <QString>

class ServiceReport;

// Draws a service report into one PDF file with Qt's own PDF writer: A4
// pages, the sections in the order of the report, page numbers at the foot.
class ServiceReportPdf
{
    Q_DECLARE_TR_FUNCTIONS(ServiceReportPdf)

public:
    // False when the file cannot be written.
    static bool write(const ServiceReport &report, const QString &fileName);
};
