// Writes the performance report from bench/run's results:
//   molen_perf_report RESULTS_FOLDER REPORT.md PICTURE.png
#include "markdown.h"
#include "period_chart.h"
#include "results.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    int one = 1;
    QGuiApplication app(one, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RESULTS_FOLDER REPORT.md PICTURE.png\n", argv[0]);
        return 2;
    }
    const auto results = molen_bench::readResults(argv[1]);
    const QString picture = argv[3];
    if (!molen_bench::periodChart(results.periods).save(picture))
        return 1;
    QFile report(argv[2]);
    if (!report.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    report.write(molen_bench::markdownReport(results, QFileInfo(picture).fileName()).toUtf8());
    return 0;
}
