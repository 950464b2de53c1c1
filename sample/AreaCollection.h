// CAreaCollection: the areas of the panel, as many as the model has ("Panel.Areas" of the
// panel configuration), numbered from 1 like the area choices that select them.
#pragma once

#include "AreaRecord.h"

#include <vel/DataCollection.h>

namespace Vel::Sample {

class CAreaCollection : public CDataCollection<CAreaRecord> {
public:
    explicit CAreaCollection(CDataValidationClient* pParent);

    void InitCollection() override;
    void UpdateCollection() override;

private:
    // The model's own number of areas; unchanged without a validation manager.
    void countAreas();
};

} // namespace Vel::Sample
