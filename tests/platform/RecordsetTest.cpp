#include <gtest/gtest.h>

#include "platform/Collection.hpp"
#include "platform/db/Recordset.hpp"
#include "support/ErrorOf.hpp"

using automation::Date;
using automation::Variant;
using automation::db::DataType;
using automation::db::Recordset;
using testing_support::errorOf;
using testing_support::raisedBy;

namespace {

automation::db::RecordsetRef disconnected() {
  auto rs = std::make_shared<Recordset>();
  rs->GetFields().Append("CODIGO", DataType::VarWChar, 10);
  rs->GetFields().Append("QUANT", DataType::Double, 8);
  rs->GetFields().Append("LINHA", DataType::SmallInt, 2);
  rs->GetFields().Append("DATA", DataType::Date, 8);
  return rs;
}

}  // namespace

TEST(Recordset, DisconnectedRowsTakeValuesConvertedToTheFieldTypes) {
  auto holder = disconnected();
  Recordset& rs = *holder;
  EXPECT_EQ(errorOf([&] { (void)rs.Eof(); }), 3704);
  rs.Open();
  EXPECT_TRUE(rs.Eof());
  EXPECT_TRUE(rs.Bof());
  EXPECT_EQ(rs.RecordCount(), 0);
  EXPECT_EQ(errorOf([&] { rs.MoveFirst(); }), 3021);
  EXPECT_EQ(errorOf([&] { rs.GetFields().Append("MAIS", DataType::Integer); }), 3219);

  rs.AddNew();
  rs.setValue("codigo", "A-1");
  rs.setValue("QUANT", "2.5");
  rs.setValue("LINHA", int32_t{7});
  rs.setValue("DATA", "2024-03-05");
  rs.Update();
  EXPECT_EQ(errorOf([&] { rs.setValue("LINHA", int32_t{40000}); }), 6);
  EXPECT_EQ(errorOf([&] { rs.setValue("QUANT", "muito"); }), 13);
  rs.AddNew();
  rs.setValue("LINHA", Variant::null());
  rs.Update();

  EXPECT_EQ(rs.RecordCount(), 2);
  rs.MoveFirst();
  EXPECT_EQ(rs.value("CODIGO"), Variant("A-1"));
  EXPECT_EQ(rs.value("QUANT"), Variant(2.5));
  EXPECT_EQ(rs.value("LINHA"), Variant(int16_t{7}));
  EXPECT_EQ(rs.value("DATA"), Variant(Date::fromParts(2024, 3, 5)));
  rs.MoveNext();
  EXPECT_TRUE(rs.value("LINHA").isNull());
  EXPECT_TRUE(rs.value("CODIGO").isEmpty());
  rs.MoveNext();
  EXPECT_TRUE(rs.Eof());
  EXPECT_EQ(errorOf([&] { (void)rs.value("QUANT"); }), 3021);
  EXPECT_EQ(errorOf([&] { rs.MoveNext(); }), 3021);
  for (const Recordset::Row& row : rs.rows()) EXPECT_EQ(row.state, Recordset::RowState::Added);
}

TEST(Recordset, FieldsAreFoundByNameOrZeroBasedOrdinalAndAMissingOneIsNamed) {
  auto holder = disconnected();
  Recordset& rs = *holder;
  EXPECT_EQ(rs.GetFields().Item(Variant(int32_t{1})).Name(), "QUANT");
  EXPECT_EQ(rs.GetFields()["linha"].Type(), DataType::SmallInt);
  EXPECT_EQ(rs.GetFields()["CODIGO"].DefinedSize(), 10);
  EXPECT_EQ(errorOf([&] { (void)rs.GetFields().Item(Variant(int32_t{4})); }), 3265);
  EXPECT_EQ(errorOf([&] { rs.GetFields().Append("Quant", DataType::Double); }), 3367);

  rs.Open();
  auto missing = raisedBy([&] { (void)rs.value("VOSSLOTE"); });  // at end of file: the name is checked first
  EXPECT_EQ(missing.number, 3265);
  EXPECT_NE(missing.description.find("VOSSLOTE"), std::string::npos);
}

// Values read are the caller's own, and a field outlives the record set it came from: the rows
// added after a read move the storage the value was read from.
TEST(Recordset, ValuesReadAndFieldsHeldSurviveLaterRowsAndTheRecordSet) {
  auto rs = disconnected();
  rs->Open();
  rs->AddNew();
  rs->setValue("CODIGO", "first");
  const Variant& kept = rs->value("CODIGO");
  auto field = rs->GetFields().Item(Variant("codigo"));
  for (int i = 0; i < 8; ++i) rs->AddNew();
  EXPECT_EQ(kept.toString(), "first");
  rs->setValue("CODIGO", "last");
  rs.reset();
  EXPECT_EQ(field.Name(), "CODIGO");
  EXPECT_EQ(field.Value().toString(), "last");

  automation::Collection items;
  items.add(Variant("one"));
  const Variant& item = items.item(Variant(int32_t{1}));
  for (int i = 0; i < 8; ++i) items.add(Variant(i));
  EXPECT_EQ(item.toString(), "one");
}
