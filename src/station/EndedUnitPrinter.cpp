#include "EndedUnitPrinter.h"

#include "CsvText.h"
#include "UnitListModel.h"
#include "UnitStateText.h"

#include <QRegularExpression>

namespace {

// One field of a tab-separated line: nothing in it may start another field or line, nor act on
// the terminal that shows it (as in the station's CSV reports).
QString field(QString text)
{
    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n\\x{2028}\\x{2029}]+"));
    return CsvText::printable(text.replace(breaks, QStringLiteral(" ")).trimmed());
}

} // namespace

EndedUnitPrinter::EndedUnitPrinter(const UnitListModel &model, std::FILE *out, QObject *parent)
    : QObject(parent), m_model(model), m_out(out)
{}

QString EndedUnitPrinter::line(const UnitListModel &model, int row)
{
    const StationUnit &unit = model.unit(row);
    const bool passed = unit.state == UnitState::Finished;
    return QStringList{passed ? QStringLiteral("PASS") : QStringLiteral("FAIL"),
                       field(unit.name),
                       field(unit.address + QLatin1Char(':') + unit.port),
                       field(unit.serial),
                       UnitStateText::word(unit),
                       passed ? QString() : field(unit.verdict())}
        .join(QLatin1Char('\t'));
}

void EndedUnitPrinter::unitEnded(int row)
{
    if (row < 0 || row >= m_model.rowCount())
        return;
    if (m_model.unit(row).state == UnitState::Finished)
        ++m_finished;
    else
        ++m_failed;
    std::fprintf(m_out, "%s\n", line(m_model, row).toUtf8().constData());
    std::fflush(m_out);
}

void EndedUnitPrinter::printTotals()
{
    const int units = m_finished + m_failed;
    std::fprintf(m_out, "%d %s: %d finished, %d failed\n", units, units == 1 ? "unit" : "units",
                 m_finished, m_failed);
    std::fflush(m_out);
    m_finished = m_failed = 0;
}
