/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Whole numbers of every width, truth values, characters and floating-point
 * numbers: made, rendered, dumped and read back as numbers. */

#include <stdio.h>

#include "tour.h"

/* One line per value: its name, its text, and each numeric reading it
 * offers, then its dump. */
static void
print_readings (gpointer value)
{
  TavrelModelDataIValue *as_value = TAVREL_MODEL_DATA_IVALUE (value);
  g_autofree gchar *text = tavrel_model_data_ivalue_to_string (as_value);
  printf ("  %-8s \"%s\"", tavrel_model_data_ivalue_get_name (as_value), text);
  if (TAVREL_MODEL_DATA_IS_IINTEGER (value))
    printf ("  integer %" G_GINT64_FORMAT, tavrel_model_data_iinteger_to_integer (TAVREL_MODEL_DATA_IINTEGER (value)));
  if (TAVREL_MODEL_DATA_IS_IUNSIGNED (value))
    printf ("  unsigned %" G_GUINT64_FORMAT,
            tavrel_model_data_iunsigned_to_unsigned (TAVREL_MODEL_DATA_IUNSIGNED (value)));
  if (TAVREL_MODEL_DATA_IS_INUMERIC (value))
    printf ("  double %.17g", tavrel_model_data_inumeric_to_double (TAVREL_MODEL_DATA_INUMERIC (value)));
  printf ("\n");
  tour_print_dump (value);
}

static void
on_itsvalue (GObject *object, GParamSpec *pspec, gpointer data)
{
  (void) pspec;
  (void) data;
  g_autofree gchar *text = tavrel_model_data_value_object_to_string (TAVREL_MODEL_DATA_VALUE_OBJECT (object));
  printf ("  itsvalue of %s is now %s\n", G_OBJECT_TYPE_NAME (object), text);
}

void
tour_scalar (void)
{
  tour_heading ("integers");
  gpointer integers[] = {
      tavrel_model_data_value_int8_new (-1),
      tavrel_model_data_value_int16_new (G_MININT16),
      tavrel_model_data_value_int32_new (1234567),
      tavrel_model_data_value_int64_new (G_MININT64),
      tavrel_model_data_value_uint8_new (255),
      tavrel_model_data_value_uint16_new (G_MAXUINT16),
      tavrel_model_data_value_uint32_new (7),
      tavrel_model_data_value_uint64_new (G_MAXUINT64),
  };
  for (gsize i = 0; i < G_N_ELEMENTS (integers); i++)
    print_readings (integers[i]);
  printf ("  (the largest uint64 reads as an integer saturated at G_MAXINT64)\n");

  tour_heading ("booleans, characters and numerics");
  gpointer numerics[] = {
      tavrel_model_data_value_boolean_new (TRUE),
      tavrel_model_data_value_boolean_new (FALSE),
      tavrel_model_data_value_char_new ('A'),
      tavrel_model_data_value_char_new (0xE9),
      tavrel_model_data_value_float_new (3.14159f),
      tavrel_model_data_value_double_new (2.5),
      tavrel_model_data_value_money_new (1234567.0),
      tavrel_model_data_value_decimal_new (0.00001),
  };
  for (gsize i = 0; i < G_N_ELEMENTS (numerics); i++)
    print_readings (numerics[i]);

  tour_heading ("payloads change and say so");
  g_autoptr (TavrelModelDataValueInt16) narrow = tavrel_model_data_value_int16_new (0);
  g_signal_connect (narrow, "notify::itsvalue", G_CALLBACK (on_itsvalue), NULL);
  /* The property takes the 32-bit range; the value keeps the low 16 bits. */
  g_object_set (narrow, "itsvalue", 70000, NULL);
  tavrel_model_data_value_int16_set_itsvalue (narrow, 4464);

  g_auto (GValue) as_gvalue = G_VALUE_INIT;
  tavrel_model_data_ivalue_to_value (TAVREL_MODEL_DATA_IVALUE (integers[6]), &as_gvalue);
  printf ("  uint32 converts to a %s holding %u\n", G_VALUE_TYPE_NAME (&as_gvalue), g_value_get_uint (&as_gvalue));

  g_autoptr (TavrelModelDataIValue) copy = tavrel_model_data_ivalue_clone (TAVREL_MODEL_DATA_IVALUE (numerics[7]));
  printf ("  a clone of the decimal is a new %s:\n", G_OBJECT_TYPE_NAME (copy));
  tour_print_dump (copy);

  for (gsize i = 0; i < G_N_ELEMENTS (integers); i++)
    g_object_unref (integers[i]);
  for (gsize i = 0; i < G_N_ELEMENTS (numerics); i++)
    g_object_unref (numerics[i]);
}
