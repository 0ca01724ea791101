// SPDX-License-Identifier: LGPL-2.1-or-later
/* Integer, boolean, character and floating-point values: construction and
 * rendering, each against the floor of its private size.  The private
 * struct is the payload alone (a boolean is held as a one-byte bool). */

#include "bench/lmbench.h"
#include "include/libmodel.h"

namespace {

template <class Value, class T>
void
measure (const std::string &name, const std::string &floor, Value *(*make) (T), T payload)
{
  lmbench::compare (name + "/new+unref", floor, [make, payload] (benchmark::State &state) {
    for (auto _ : state) {
      Value *value = make (payload);
      benchmark::DoNotOptimize (value);
      g_object_unref (value);
    }
  });
  lmbench::compare (name + "/to_string", floor, [make, payload] (benchmark::State &state) {
    Value *value = make (payload);
    for (auto _ : state) {
      gchar *text = tavrel_model_data_value_object_to_string (TAVREL_MODEL_DATA_VALUE_OBJECT (value));
      benchmark::DoNotOptimize (text);
      g_free (text);
    }
    g_object_unref (value);
  });
}

}  // namespace

int
main (int argc, char **argv)
{
  std::string floor1 = lmbench::floor (1);
  std::string floor2 = lmbench::floor (2);
  std::string floor4 = lmbench::floor (4);
  std::string floor8 = lmbench::floor (8);

  measure ("ValueInt8", floor1, tavrel_model_data_value_int8_new, gint8 (-128));
  measure ("ValueInt16", floor2, tavrel_model_data_value_int16_new, gint16 (-32768));
  measure ("ValueInt32", floor4, tavrel_model_data_value_int32_new, gint32 (-1234567));
  measure ("ValueInt64", floor8, tavrel_model_data_value_int64_new, gint64 (G_MININT64));
  measure ("ValueUInt8", floor1, tavrel_model_data_value_uint8_new, guint8 (255));
  measure ("ValueUInt16", floor2, tavrel_model_data_value_uint16_new, guint16 (65535));
  measure ("ValueUInt32", floor4, tavrel_model_data_value_uint32_new, guint32 (G_MAXUINT32));
  measure ("ValueUInt64", floor8, tavrel_model_data_value_uint64_new, guint64 (G_MAXUINT64));
  measure ("ValueBoolean", floor1, tavrel_model_data_value_boolean_new, gboolean (TRUE));
  measure ("ValueChar", floor1, tavrel_model_data_value_char_new, guchar ('A'));
  measure ("ValueFloat", floor4, tavrel_model_data_value_float_new, gfloat (3.14159f));
  measure ("ValueDouble", floor8, tavrel_model_data_value_double_new, gdouble (1234567.891));
  measure ("ValueMoney", floor8, tavrel_model_data_value_money_new, gdouble (1234567.0));
  measure ("ValueDecimal", floor8, tavrel_model_data_value_decimal_new, gdouble (0.00001));
  return lmbench::run (argc, argv);
}
