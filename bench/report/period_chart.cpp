#include "period_chart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>

namespace molen_bench {
namespace {

constexpr QSize Cell(320, 170);
constexpr double BinMs = 0.25, LowestMs = -2, HighestMs = 4;
constexpr int Bins = static_cast<int>((HighestMs - LowestMs) / BinMs);
const QStringList Timers{"Timer1", "Timer2", "Timer3"};
const std::vector<int> Winds{10, 70, 140};

struct Histogram {
    int nominalMs = 0;
    std::vector<int> counts = std::vector<int>(Bins, 0);
    int total = 0;
};

// Per wind and timer, the periods of the interval that ran longest; errors beyond the range
// fall into its first or last bin.
std::map<std::pair<int, QString>, Histogram> histograms(const std::vector<PeriodSample>& all) {
    std::map<std::tuple<int, QString, int>, int> samples;
    for (const PeriodSample& p : all)
        ++samples[{p.wind, p.timer, p.nominalMs}];
    std::map<std::pair<int, QString>, Histogram> result;
    for (const auto& [key, count] : samples) {
        Histogram& h = result[{std::get<0>(key), std::get<1>(key)}];
        if (count > h.total)
            h = Histogram{std::get<2>(key), std::vector<int>(Bins, 0), count};
    }
    for (const PeriodSample& p : all) {
        Histogram& h = result[{p.wind, p.timer}];
        if (p.nominalMs != h.nominalMs)
            continue;
        const int bin = static_cast<int>(std::floor((p.ms - p.nominalMs - LowestMs) / BinMs));
        ++h.counts[std::clamp(bin, 0, Bins - 1)];
    }
    return result;
}

void drawCell(QPainter& painter, QRect cell, int wind, const QString& timer, const Histogram& h) {
    painter.setPen(Qt::black);
    painter.drawText(cell.adjusted(8, 4, -8, 0), Qt::AlignTop | Qt::AlignLeft,
                     QString("wind %1, %2, %3 ms, %4 periods")
                         .arg(wind)
                         .arg(timer)
                         .arg(h.nominalMs)
                         .arg(h.total));
    const QRect plot = cell.adjusted(30, 28, -10, -28);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    const int most = std::max(1, *std::max_element(h.counts.begin(), h.counts.end()));
    const double binWidth = double(plot.width()) / Bins;
    for (int i = 0; i < Bins; ++i) {
        const double height = double(h.counts[i]) / most * plot.height();
        painter.fillRect(
            QRectF(plot.left() + i * binWidth, plot.bottom() - height, binWidth - 1, height),
            QColor(0, 0, 192));
    }
    for (double ms = LowestMs; ms <= HighestMs; ms += 1) {
        const double x = plot.left() + (ms - LowestMs) / BinMs * binWidth;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        painter.drawText(QRectF(x - 20, plot.bottom() + 5, 40, 16), Qt::AlignCenter,
                         QString("%1%2").arg(ms > 0 ? "+" : "").arg(ms));
    }
}

} // namespace

QImage periodChart(const std::vector<PeriodSample>& periods) {
    QImage image(Cell.width() * Timers.size(), Cell.height() * Winds.size() + 24,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawText(
        QRect(0, 0, image.width(), 22), Qt::AlignCenter,
        "Period minus interval (ms), per wind and timer; the outer bars gather all beyond them");
    const auto all = histograms(periods);
    for (int row = 0; row < int(Winds.size()); ++row) {
        for (int column = 0; column < Timers.size(); ++column) {
            const auto found = all.find({Winds[row], Timers[column]});
            if (found == all.end())
                continue;
            const QRect cell(QPoint(column * Cell.width(), 24 + row * Cell.height()), Cell);
            drawCell(painter, cell, Winds[row], Timers[column], found->second);
        }
    }
    return image;
}

} // namespace molen_bench
