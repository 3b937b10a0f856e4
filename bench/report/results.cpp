#include "results.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace molen_bench {
namespace {

QStringList linesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

TimingRow timingRow(const QStringList& f) {
    return {f[1].toInt(),    f[2],
            f[3].toInt(),    f[4].toLong(),
            f[5].toLong(),   f[6].toDouble(),
            f[7].toDouble(), f[8].toDouble(),
            f[9].toDouble()};
}

void readTiming(const QString& path, std::vector<TimingRow>& rows,
                std::vector<PeriodSample>* periods) {
    for (const QString& line : linesOf(path)) {
        const QStringList f = line.split(u' ');
        if (f[0] == "stats" && f.size() >= 10)
            rows.push_back(timingRow(f));
        else if (f[0] == "period" && f.size() >= 5 && periods)
            periods->push_back({f[1].toInt(), f[2], f[3].toInt(), f[4].toDouble()});
    }
}

void readInstructions(const QString& path, Results& results) {
    for (const QString& line : linesOf(path)) {
        const QStringList f = line.split(u' ');
        if (f[0] == "instructions" && f.size() >= 5 && f[4].toDouble() > 0)
            results.instructionsPerTick[f[1] + u' ' + f[2]] = f[3].toDouble() / f[4].toDouble();
        else if (f[0] == "banner_overspill_px" && f.size() >= 2)
            results.bannerOverspillPx = f[1].toLong();
    }
}

// "whole PAIR WHO first_frame_ms T PROGRAM_TICKS SERVER_TICKS CLK_TCK SECONDS PEAK_KB"
void readWhole(const QString& path, Results& results) {
    for (const QString& line : linesOf(path)) {
        const QStringList f = line.split(u' ');
        if (f[0] != "whole" || f.size() < 10)
            continue;
        const double tick = 1.0 / f[7].toDouble();
        results.whole.push_back({f[1].toInt(), f[2], f[4].toDouble(), f[5].toDouble() * tick,
                                 f[6].toDouble() * tick, f[9].toDouble() / 1024});
    }
}

} // namespace

Results readResults(const QString& folder) {
    const QDir dir(folder);
    Results results;
    results.machine = linesOf(dir.filePath("machine.txt"));
    QFile json(dir.filePath("procedures.json"));
    if (json.open(QIODevice::ReadOnly))
        results.procedures = QJsonDocument::fromJson(json.readAll())["benchmarks"].toArray();
    readInstructions(dir.filePath("instructions.txt"), results);
    for (int wind : {10, 70, 140})
        readTiming(dir.filePath(QString("timing-%1.txt").arg(wind)), results.timing,
                   &results.periods);
    readTiming(dir.filePath("starve.txt"), results.starvation, nullptr);
    readWhole(dir.filePath("whole.txt"), results);
    return results;
}

} // namespace molen_bench
