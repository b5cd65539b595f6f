#include "abi/panel_services.h"
#include "abi/service_numbers.h"
#include "breakers/breaker_state.h"
#include "instrument/instrument_state.h"
#include "layout/gauge_headers.h"
#include "layout/linkage.h"
#include "tests/recording_panel_services.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Each case starts from the module as loaded (tests/support/fresh_module.h).
using Module = ::testing::Test;

TEST_F(Module, LinkageNamesTheFourGaugesZor1First)
{
    EXPECT_EQ(Linkage.module_id, 0x13u);
    EXPECT_EQ(Linkage.module_version, 0x0800u);
    const char* names[] = {"ZOR_1", "ZOR_2", "AZS_ZOR_1", "AZS_ZOR_2"};
    const std::uint32_t sizes[] = {150, 150, 15, 15};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(Linkage.gauge_table[i], nullptr);
        EXPECT_STREQ(Linkage.gauge_table[i]->name, names[i]);
        EXPECT_EQ(Linkage.gauge_table[i]->header_version, 800u);
        EXPECT_EQ(Linkage.gauge_table[i]->default_size, sizes[i]);
        EXPECT_EQ(Linkage.gauge_table[i]->element_list[1], nullptr) << "exactly one root element";
    }
    EXPECT_EQ(Linkage.gauge_table[4], nullptr);
    EXPECT_EQ(ImportTable.panels.id, 0x0Fu);
    EXPECT_EQ(ImportTable.end.id, 0u);
    Linkage.module_init();
    Linkage.module_deinit();
}

TEST_F(Module, HeaderRoutinesHandZor1sRootWhicheverHeaderTheyCameThrough)
{
    RecordingPanelServices host;
    ElementHeader* zor_1_root = zor_1_gauge_header.element_list[0];
    for (const GaugeHeader* gauge : Linkage.gauge_table) {
        if (gauge == nullptr)
            break;
        host.element_calls.clear();
        gauge->query_routine();
        gauge->install_routine(0x1234);
        gauge->initialize_routine();
        gauge->update_routine();
        gauge->generate_routine(0x5678);
        gauge->draw_routine();
        gauge->kill_routine();
        EXPECT_EQ(host.element_calls,
                  (std::vector<ElementListCall>{
                      {24, zor_1_root, 0},
                      {25, zor_1_root, 0x1234},
                      {26, zor_1_root, 0},
                      {27, zor_1_root, 0},
                      {28, zor_1_root, 0x5678},
                      {29, zor_1_root, 0},
                      {31, zor_1_root, 0},
                  }))
            << gauge->name;
    }
}

// Linkage is the host's to read and write: with no first gauge, or one
// without elements, the header routines hand the host no root.
TEST_F(Module, HeaderRoutinesWithoutAFirstGaugeHandTheHostNoRoot)
{
    RecordingPanelServices host;
    const GaugeHeader without_elements = [] {
        GaugeHeader g = zor_1_gauge_header;
        g.element_list = nullptr;
        return g;
    }();
    for (const GaugeHeader* first : {static_cast<const GaugeHeader*>(nullptr), &without_elements}) {
        Linkage.gauge_table[0] = first;
        zor_2_gauge_header.draw_routine();
    }
    Linkage.gauge_table[0] = &zor_1_gauge_header;
    EXPECT_EQ(host.element_calls, (std::vector<ElementListCall>{{29, nullptr, 0}, {29, nullptr, 0}}));
}

TEST_F(Module, CallsBeforeTheHostWritesItsServicesDoNothing)
{
    ASSERT_EQ(ImportTable.panels.table, nullptr);
    breaker_closed[0] = 1;
    for (const GaugeHeader* gauge : Linkage.gauge_table) {
        if (gauge == nullptr)
            break;
        gauge->query_routine();
        gauge->install_routine(1);
        gauge->draw_routine();
        for (std::int32_t code = 0; code <= 15; ++code)
            gauge->gauge_callback(const_cast<GaugeHeader*>(gauge), code, 0);
    }
    // The updates still ran, on whatever the variable records held.
    const InstrumentState& zor_1 = instrument_state(InstrumentId::zor_1);
    EXPECT_EQ(zor_1.pressure_digits[3], 1);
    EXPECT_EQ(zor_1.pressure_digits[0], 3);
}

TEST_F(Module, AnEmptyEntryInTheHostsTableIsSkipped)
{
    RecordingPanelServices host;
    host.table.lookup_variable = nullptr;
    host.table.update_elements = nullptr;
    zor_1_gauge_header.gauge_callback(&zor_1_gauge_header, service_update, 0);
    zor_1_gauge_header.update_routine();
    EXPECT_TRUE(host.element_calls.empty());
}

TEST_F(Module, ServiceCodesOutsideTheTablesDoNothing)
{
    RecordingPanelServices host;
    host.variables[token_bus_volts] = 28.0;
    for (const std::int32_t code : {0, 1, 3, 5, 7, 8, 9, 10, 11, 13, 15, 16, 1000, -1}) {
        for (const GaugeHeader* gauge : Linkage.gauge_table) {
            if (gauge == nullptr)
                break;
            gauge->gauge_callback(const_cast<GaugeHeader*>(gauge), code, 0);
        }
    }
    EXPECT_TRUE(host.lookups.empty());
    EXPECT_TRUE(host.key_events.empty());
    EXPECT_TRUE(host.element_calls.empty());
}

TEST_F(Module, OnlyZor1AnswersTheUpdateWithAHostLookup)
{
    RecordingPanelServices host;
    azs_zor_1_gauge_header.gauge_callback(&azs_zor_1_gauge_header, service_update, 0);
    zor_2_gauge_header.gauge_callback(&zor_2_gauge_header, service_update, 0);
    EXPECT_TRUE(host.lookups.empty());
    zor_1_gauge_header.gauge_callback(&zor_1_gauge_header, service_update, 0);
    EXPECT_EQ(host.lookups.size(), 5u);
}

} // namespace
