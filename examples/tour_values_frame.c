/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Value kinds and the values that carry no payload: NULL and errors. */

#include <stdio.h>

#include "tour.h"

void
tour_values_frame (void)
{
  tour_heading ("value kinds");
  for (int kind = TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN; kind <= TAVREL_MODEL_DATA_DATA_TYPE_ERROR; kind++) {
    g_autofree gchar *nick = tavrel_model_data_data_type_to_string ((TavrelModelDataDataType) kind);
    GType glib_type = tavrel_model_data_data_type_get_glib_type ((TavrelModelDataDataType) kind);
    printf ("  %2d %-10s -> %s\n", kind, nick, g_type_name (glib_type));
  }
  g_autofree gchar *back = tavrel_model_data_data_type_to_string (tavrel_model_data_data_type_get_data_type (G_TYPE_DATE_TIME));
  printf ("  GDateTime reads back as %s\n", back);

  tour_heading ("NULL and error values");
  g_autoptr (TavrelModelDataValueObject) plain = tavrel_model_data_value_object_new ();
  g_autoptr (TavrelModelDataValueNull) null = tavrel_model_data_value_null_new ();
  g_autoptr (TavrelModelDataValueError) error = tavrel_model_data_value_error_new (-3, "timeout");
  tour_print_dump (plain);
  tour_print_dump (null);
  tour_print_dump (error);

  g_auto (GValue) as_gvalue = G_VALUE_INIT;
  tavrel_model_data_ivalue_to_value (TAVREL_MODEL_DATA_IVALUE (error), &as_gvalue);
  GError *as_error = g_value_get_boxed (&as_gvalue);
  printf ("  as a GError: domain %s, code %d, message %s\n", g_quark_to_string (as_error->domain), as_error->code,
          as_error->message);
}
