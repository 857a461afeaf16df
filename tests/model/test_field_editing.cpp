// Typing into the voltage and temperature fields: what reaches the chamber and what the field
// shows.
#include "model/FieldEditing.h"
#include "model/FieldParsing.h"
#include "tests/model/ModelTestSupport.h"

using namespace Data;

class FieldEditingTest : public ModelTest {
protected:
    void TearDown() override {
        DecimalSeparator = '.';
        ModelTest::TearDown();
    }
};

TEST_F(FieldEditingTest, VoltageFieldSetsTheSupplyAndShowsTheWholeNumberInForce) {
    struct Case {
        const char* typed;
        std::optional<std::string> shown; // nullopt: ignored, the text stays
        double setting;                   // V afterwards
    };
    const Case cases[] = {
        {"350", "350", 350}, {"2000", "1000", 1000}, {"-5", "0", 0},        {"0350", "350", 350},
        {"$1F", "31", 31},   {"  12", "12", 12},     {"12 ", {}, 31},       {"1.5", {}, 31},
        {"", {}, 31},        {"abc", {}, 31},        {"$FFFFFFFF", "0", 0},
    };
    SetVoltageSetting(31); // what the ignored texts leave
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        if (!c.shown) SetVoltageSetting(31);
        EXPECT_EQ(VoltageFieldChanged(c.typed), c.shown);
        EXPECT_EQ(VoltageSetting, c.setting);
    }
    // The supply follows at once when it is on.
    SwitchSupply();
    VoltageFieldChanged("400");
    EXPECT_EQ(PlateVoltage, 400);
}

TEST_F(FieldEditingTest, TemperatureFieldSetsTheThermostatAndShowsTheValueInForce) {
    struct Case {
        const char* typed;
        std::optional<double> inForce; // nullopt: ignored
        const char* shown;             // when editing ends
    };
    const Case cases[] = {
        {"40", 40, "40.00"},       {"99.999", 99.999, "100.00"},
        {"150", 100, "100.00"},    {"-0", 0, " 0.00"},
        {"-3", 0, " 0.00"},        {"4.5e1", 45, "45.00"},
        {"4,5", {}, "45.00"},      {"", {}, "45.00"},
        {"  7.25", 7.25, " 7.25"},
    };
    DecimalSeparator = ',';
    EXPECT_EQ(TemperatureFieldText(), "20,00"); // before the field is first changed
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(TemperatureFieldChanged(c.typed), c.inForce);
        EXPECT_EQ(DecimalSeparator, '.');
        EXPECT_EQ(TemperatureFieldText(), c.shown);
        if (c.inForce) {
            EXPECT_EQ(SetTemperatureCelsius(), *c.inForce);
            EXPECT_EQ(AmbientTemp, *c.inForce + CelsiusOffset);
        }
    }
    // The program's own rewrite switches to the decimal point as well.
    DecimalSeparator = ',';
    TemperatureFieldRewritten();
    EXPECT_EQ(DecimalSeparator, '.');
    // A new chamber starts from 20 °C.
    ResetChamber();
    EXPECT_EQ(SetTemperatureCelsius(), 20);
}
