/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/* The stages of the tour, one file each. */

#include <libmodel.h>

/* Prints a heading for a stage. */
void tour_heading (const char *title);

/* Prints the dump of a value and releases the text. */
void tour_print_dump (gpointer value);

void tour_values_frame (void);
void tour_scalar (void);
void tour_rows (void);
void tour_datetime (void);
void tour_factory (void);
void tour_tables (void);
void tour_settings (void);
void tour_text (void);
void tour_catalogue (void);
void tour_patcher (void);
