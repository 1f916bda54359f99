#include "plu/PluCompare.h"

std::vector<PluDifference> comparePlus(const std::map<int, QByteArray>& scale, const PluTable& table,
                                       const std::vector<int>& order) {
    const std::map<int, DecidingRow> rows = decidingRows(table, order);
    std::vector<PluDifference> differences;
    for (const auto& [plu, held] : scale) {
        auto found = rows.find(plu);
        const bool inTable = found != rows.end() && !found->second.fields.isEmpty();
        const int row = found != rows.end() ? found->second.row : 0;
        if (held.isEmpty() && inTable)
            differences.push_back({PluDifference::OnlyInTable, plu, row, 0, {}, {}});
        else if (!held.isEmpty() && !inTable)
            differences.push_back({PluDifference::OnlyOnScale, plu, 0, 0, {}, {}});
        else if (inTable && held != found->second.fields) {
            const QStringList scaleTexts = pluImageTexts(held);
            const QStringList tableTexts = pluImageTexts(found->second.fields);
            for (int field = 0; field < scaleTexts.size(); ++field)
                if (scaleTexts[field] != tableTexts[field])
                    differences.push_back({PluDifference::Differs, plu, row, PriceColumn + field,
                                           scaleTexts[field], tableTexts[field]});
        }
    }
    return differences;
}

QString differenceLine(const PluDifference& difference) {
    const QString number = QString::number(difference.plu);
    switch (difference.kind) {
    case PluDifference::OnlyInTable:
        return QStringLiteral("only-in-file\t") + number;
    case PluDifference::OnlyOnScale:
        return QStringLiteral("only-on-scale\t") + number;
    case PluDifference::Differs:
        break;
    }
    return QStringList{QStringLiteral("differs"), number,
                       QString::fromLatin1(kPluColumns[size_t(difference.column)].heading),
                       difference.scaleText, difference.tableText}
        .join(QLatin1Char('\t'));
}
