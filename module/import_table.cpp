// ImportTable, the second record the module exports: the host writes the
// address of its panel services into it before it calls any gauge routine.
#include "abi/panel_services.h"

ImportTableRecord ImportTable = {
    .panels = {.id = import_panels_id, .table = nullptr},
    .end    = {.id = 0, .table = nullptr},
};
