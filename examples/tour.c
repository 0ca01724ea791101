/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A tour of libmodel along the road data takes through a database client:
 * cell values made and rendered, rows filled, cloned and versioned, and a
 * catalogue described and carried through JSON, and two versions of each
 * compared.
 */

#include <stdio.h>

#include "tour.h"

void
tour_heading (const char *title)
{
  printf ("\n== %s ==\n", title);
}

void
tour_print_dump (gpointer value)
{
  gchar *dump = tavrel_model_data_ivalue_dump (TAVREL_MODEL_DATA_IVALUE (value));
  printf ("  %s\n", dump);
  g_free (dump);
}

int
main (void)
{
  printf ("libmodel tour\n");
  tour_values_frame ();
  tour_scalar ();
  tour_rows ();
  tour_datetime ();
  tour_factory ();
  tour_tables ();
  tour_settings ();
  tour_text ();
  tour_catalogue ();
  tour_patcher ();
  printf ("\ntour complete\n");
  return 0;
}
