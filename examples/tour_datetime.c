/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Dates, times and spans; enumerated values; spatial values. */

#include <stdio.h>

#include "tour.h"

static void
print_text (const char *label, gpointer value)
{
  g_autofree gchar *text = tavrel_model_data_ivalue_to_string (TAVREL_MODEL_DATA_IVALUE (value));
  printf ("  %-28s %s\n", label, text);
}

static void
tour_dates_and_times (void)
{
  tour_heading ("dates, times and spans");

  /* A server's timestamp keeps the zone it was written in. */
  g_autoptr (TavrelModelDataValueDateTime) stamped =
      tavrel_model_data_value_date_time_new_iso8601 ("2024-03-05T14:07:09+02:00");
  print_text ("2024-03-05T14:07:09+02:00", stamped);
  g_autofree gchar *with_zone = tavrel_model_data_value_date_time_format (stamped, "%d %b %Y, %H:%M %:z");
  printf ("  %-28s %s\n", "formatted with its zone", with_zone);
  tour_print_dump (stamped);

  /* Unreadable text gives the start of the epoch in local time. */
  g_autoptr (TavrelModelDataValueDateTime) unreadable = tavrel_model_data_value_date_time_new_iso8601 ("yesterday");
  g_autofree gchar *epoch = tavrel_model_data_value_date_time_format (unreadable, "%s");
  printf ("  %-28s Unix time %s\n", "\"yesterday\"", epoch);

  g_autoptr (TavrelModelDataValueDate) leap_day = tavrel_model_data_value_date_new_dmy (2024, 2, 29);
  g_autoptr (TavrelModelDataValueDate) no_such_day = tavrel_model_data_value_date_new_dmy (2023, 2, 29);
  print_text ("2024, 2, 29", leap_day);
  print_text ("2023, 2, 29", no_such_day);
  tour_print_dump (no_such_day);

  g_auto (GValue) as_date = G_VALUE_INIT;
  tavrel_model_data_ivalue_to_value (TAVREL_MODEL_DATA_IVALUE (leap_day), &as_date);
  GDate *date = g_value_get_boxed (&as_date);
  printf ("  %-28s %s, day %u of the year\n", "as a GDate", G_VALUE_TYPE_NAME (&as_date), g_date_get_day_of_year (date));

  g_autoptr (TavrelModelDataValueTime) morning = tavrel_model_data_value_time_new_hms (7, 5, 3.5);
  print_text ("7, 5, 3.5 seconds", morning);
  tour_print_dump (morning);

  g_autoptr (TavrelModelDataValueTimeSpan) hour = tavrel_model_data_value_time_span_new (3600);
  tour_print_dump (hour);
  g_auto (GValue) as_span = G_VALUE_INIT;
  tavrel_model_data_ivalue_to_value (TAVREL_MODEL_DATA_IVALUE (hour), &as_span);
  printf ("  %-28s %s %" G_GINT64_FORMAT "\n", "as a generic value", G_VALUE_TYPE_NAME (&as_span),
          g_value_get_int64 (&as_span));
}

static void
tour_enumerations (void)
{
  tour_heading ("enumerations, flags and sets");
  static const gchar *const sizes[] = {"small", "medium", "large"};
  g_autoptr (TavrelModelDataValueEnum) size = tavrel_model_data_value_enum_new ("medium");
  tavrel_model_data_value_enum_initialize (size, sizes, G_N_ELEMENTS (sizes));
  printf ("  members of the type:");
  for (gsize i = 0; i < G_N_ELEMENTS (sizes); i++)
    printf (" %s", sizes[i]);
  printf ("\n");
  tour_print_dump (size);

  g_autoptr (TavrelModelDataValueFlags) access = tavrel_model_data_value_flags_new ("READ|WRITE");
  g_autoptr (TavrelModelDataValueSet) toppings = tavrel_model_data_value_set_new ("cheese,olives");
  tour_print_dump (access);
  tour_print_dump (toppings);

  /* A copy keeps the text; the member list stays with the original. */
  g_autoptr (TavrelModelDataIValue) copy = tavrel_model_data_ivalue_clone (TAVREL_MODEL_DATA_IVALUE (toppings));
  g_autofree gchar *kind = tavrel_model_data_data_type_to_string (tavrel_model_data_ivalue_get_data_type (copy));
  printf ("  copy of the set: %s, kind %s\n",
          tavrel_model_data_value_enum_get_itsvalue (TAVREL_MODEL_DATA_VALUE_ENUM (copy)), kind);
}

static void
tour_spatial (void)
{
  tour_heading ("spatial values");
  g_autoptr (TavrelModelDataValueGeometry) shape =
      tavrel_model_data_value_geometry_new ("POLYGON((0 0, 4 0, 4 3, 0 0))");
  tour_print_dump (shape);

  static const char *const places[] = {"52.52, 13.405", "-33.87, 151.21", "40.71,-74.006", "POINT(13.4 52.5)"};
  for (gsize i = 0; i < G_N_ELEMENTS (places); i++) {
    g_autoptr (TavrelModelDataValueGeography) place = tavrel_model_data_value_geography_new (places[i]);
    printf ("  %-20s latitude %8.3f  longitude %8.3f\n", places[i], tavrel_model_data_value_geography_latitude (place),
            tavrel_model_data_value_geography_longitude (place));
  }
}

void
tour_datetime (void)
{
  tour_dates_and_times ();
  tour_enumerations ();
  tour_spatial ();
}
