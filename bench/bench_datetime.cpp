// SPDX-License-Identifier: LGPL-2.1-or-later
/* Dates, times, enumerations and spatial values: construction, rendering
 * and reading coordinates. */

#include "bench/lmbench.h"
#include "include/libmodel.h"

namespace {

/* Registers "Class/operation" for a value made once by make, timing body
 * on it; body returns a string to free, or null. */
template <class Make, class Body>
void
on_value (const std::string &name, const std::string &floor, Make make, Body body)
{
  lmbench::compare (name, floor, [make, body] (benchmark::State &state) {
    gpointer value = make ();
    for (auto _ : state) {
      gchar *text = body (value);
      benchmark::DoNotOptimize (text);
      g_free (text);
    }
    g_object_unref (value);
  });
}

template <class Make>
void
construction (const std::string &name, const std::string &floor, Make make)
{
  lmbench::compare (name, floor, [make] (benchmark::State &state) {
    for (auto _ : state) {
      gpointer value = make ();
      benchmark::DoNotOptimize (value);
      g_object_unref (value);
    }
  });
}

gchar *
render (gpointer value)
{
  return tavrel_model_data_value_object_to_string (TAVREL_MODEL_DATA_VALUE_OBJECT (value));
}

}  // namespace

int
main (int argc, char **argv)
{
  /* Private state: a date-time reference (8 bytes, shared by dates and
   * times); a geometry's text pointer (8); a span and the 32-bit field
   * beside it (16); an enumeration's text and member vector (32). */
  std::string floor8 = lmbench::floor (8);
  std::string floor16 = lmbench::floor (16);
  std::string floor32 = lmbench::floor (32);

  construction ("ValueDateTime/new_iso8601+unref", floor8, [] {
    return tavrel_model_data_value_date_time_new_iso8601 ("2024-03-05T14:07:09+02:00");
  });
  lmbench::compare ("ValueDateTime/new_datetime+unref", floor8, [] (benchmark::State &state) {
    GDateTime *given = g_date_time_new_now_local ();
    for (auto _ : state) {
      TavrelModelDataValueDateTime *value = tavrel_model_data_value_date_time_new_datetime (given);
      benchmark::DoNotOptimize (value);
      g_object_unref (value);
    }
    g_date_time_unref (given);
  });
  on_value ("ValueDateTime/to_string", floor8,
            [] { return gpointer (tavrel_model_data_value_date_time_new_utc (2024, 3, 5, 14, 7, 9)); }, render);

  construction ("ValueDate/new_dmy+unref", floor8, [] { return tavrel_model_data_value_date_new_dmy (2024, 3, 5); });
  on_value ("ValueDate/to_string", floor8, [] { return gpointer (tavrel_model_data_value_date_new_dmy (2024, 3, 5)); },
            render);

  construction ("ValueTimeSpan/new+unref", floor16, [] { return tavrel_model_data_value_time_span_new (3600); });
  on_value ("ValueTimeSpan/to_string", floor16, [] { return gpointer (tavrel_model_data_value_time_span_new (3600)); },
            render);

  construction ("ValueEnum/new+unref", floor32, [] { return tavrel_model_data_value_enum_new ("red"); });
  on_value ("ValueEnum/to_string", floor32, [] { return gpointer (tavrel_model_data_value_enum_new ("red")); }, render);

  on_value ("ValueGeography/latitude", floor8,
            [] { return gpointer (tavrel_model_data_value_geography_new ("-33.87, 151.21")); },
            [] (gpointer value) -> gchar * {
              double latitude = tavrel_model_data_value_geography_latitude (TAVREL_MODEL_DATA_VALUE_GEOGRAPHY (value));
              benchmark::DoNotOptimize (latitude);
              return nullptr;
            });

  return lmbench::run (argc, argv);
}
