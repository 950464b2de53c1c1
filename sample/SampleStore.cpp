#include "SampleStore.h"

#include <vel/DataChoiceBase.h>
#include <vel/DataIPAddr.h>
#include <vel/DataNumber.h>
#include <vel/DataSetBase.h>
#include <vel/DataString.h>
#include <vel/DbSchema.h>

namespace Vel::Sample {

namespace {

bool vary(CData& item) {
    if (auto* number = dynamic_cast<CDataNumber*>(&item)) {
        return number->SetValue(number->GetValue() + 1) == 0 ||
               number->SetValue(number->GetValue() - 1) == 0;
    }
    if (auto* choice = dynamic_cast<CDataChoiceBase*>(&item)) {
        const int index = choice->GetValueIndex();
        return choice->SetValueIndex(index + 1) == 0 ||
               (index > 0 && choice->SetValueIndex(0) == 0);
    }
    if (auto* address = dynamic_cast<CDataIPAddr*>(&item)) {
        return address->SetValueAndUpdateBlank(10, 20, 30, 40) == 0;
    }
    if (auto* text = dynamic_cast<CDataString*>(&item)) {
        return text->SetValue("a'b\\c;d%e--f") == 0 || text->SetValue("x'") == 0;
    }
    if (auto* set = dynamic_cast<CDataSetBase*>(&item)) {
        const std::uint32_t before = set->GetValue();
        set->SetValue(before ^ 0x5u);
        return set->GetValue() != before;
    }
    return false;
}

std::vector<CData*> itemsOf(CSamplePanel& panel) {
    std::vector<CData*> items;
    panel.ForEachItem([&items](CData& item) { items.push_back(&item); });
    return items;
}

} // namespace

bool CSampleStore::Store(CDatabase& db, CSamplePanel& panel) {
    CDbSchema::CreateTables(&db, &panel.Root());
    if (!db.BeginTrans()) {
        return false;
    }
    bool stored = false;
    try {
        stored = panel.Root().StoreDataVel2Db(&db, false);
    } catch (...) {
        db.Rollback();
        throw;
    }
    if (!stored) {
        db.Rollback();
        return false;
    }
    return db.CommitTrans();
}

int CSampleStore::VaryValues(CSamplePanel& panel) {
    int changed = 0;
    for (CData* item : itemsOf(panel)) {
        changed += vary(*item) ? 1 : 0;
    }
    return changed;
}

SRoundTrip CSampleStore::RoundTrip(CDatabase& db, int panelType, int panelVersion, long site,
                                   CLangTextBase* texts) {
    SRoundTrip result;
    CSamplePanel stored(panelType);
    CSamplePanel loaded(panelType);
    stored.Root().SetLanguageClass(texts);
    loaded.Root().SetLanguageClass(texts);
    if (!stored.Open(panelType, panelVersion) || !loaded.Open(panelType, panelVersion)) {
        result.vecDifferent.push_back("the panel does not open");
        return result;
    }
    stored.Root().SetSiteID(site);
    loaded.Root().SetSiteID(site);
    result.nChanged = VaryValues(stored);
    bool notInDb = false;
    if (!Store(db, stored) || !loaded.Root().LoadDataDb2Vel(&db, notInDb, false) || notInDb) {
        result.vecDifferent.push_back("the store or the load failed");
        return result;
    }
    const std::vector<CData*> before = itemsOf(stored);
    const std::vector<CData*> after = itemsOf(loaded);
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        ++result.nItems;
        if (!before[i]->Compare(after[i]) ||
            before[i]->GetValueString() != after[i]->GetValueString()) {
            result.vecDifferent.push_back(before[i]->GetItemUniqueKey(true));
        }
    }
    return result;
}

} // namespace Vel::Sample
