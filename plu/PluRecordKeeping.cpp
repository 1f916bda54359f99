#include "plu/PluRecordKeeping.h"

void keepRecord(TransferHooks& hooks, store::ScaleRecords* records, std::map<int, QByteArray>& seen) {
    hooks.unsure = [records](uint16_t plu) { return !records || records->forget(plu); };
    hooks.proved = [records, &seen](const PluImage& image) {
        seen[image.plu] = image.fields;
        return !records || records->keep(image.plu, image.fields);
    };
}
