/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Text and binary values: made, rendered, dumped, saved and loaded back. */

#include <glib/gstdio.h>
#include <stdio.h>

#include "tour.h"

typedef struct {
  GMainLoop *loop;
  GError *error;
} Waiter;

static void
saved (GObject *source, GAsyncResult *result, gpointer data)
{
  Waiter *waiter = data;
  tavrel_model_data_value_string_save_finish (TAVREL_MODEL_DATA_VALUE_STRING (source), result, &waiter->error);
  g_main_loop_quit (waiter->loop);
}

static void
loaded (GObject *source, GAsyncResult *result, gpointer data)
{
  Waiter *waiter = data;
  tavrel_model_data_value_string_load_finish (TAVREL_MODEL_DATA_VALUE_STRING (source), result, &waiter->error);
  g_main_loop_quit (waiter->loop);
}

/* Runs the loop until the callback fired; reports what went wrong. */
static gboolean
wait_for (Waiter *waiter, const char *what)
{
  g_main_loop_run (waiter->loop);
  if (waiter->error) {
    printf ("  %s failed: %s\n", what, waiter->error->message);
    g_clear_error (&waiter->error);
    return FALSE;
  }
  return TRUE;
}

static void
text_file_round_trip (void)
{
  g_autoptr (GError) error = NULL;
  g_autofree gchar *dir = g_dir_make_tmp ("libmodel-tour-XXXXXX", &error);
  if (!dir) {
    printf ("  no temporary folder: %s\n", error->message);
    return;
  }
  g_autofree gchar *path = g_build_filename (dir, "note.txt", NULL);
  g_autoptr (GMainContext) context = g_main_context_new ();
  g_main_context_push_thread_default (context);
  Waiter waiter = {g_main_loop_new (context, FALSE), NULL};

  g_autoptr (TavrelModelDataValueString) note = tavrel_model_data_value_string_new ("first line\nsecond line");
  tavrel_model_data_value_string_save (note, path, saved, &waiter);
  printf ("  saving to a temporary file...\n");
  if (wait_for (&waiter, "save")) {
    g_autoptr (TavrelModelDataValueString) back = tavrel_model_data_value_string_new ("");
    tavrel_model_data_value_string_load (back, path, loaded, &waiter);
    if (wait_for (&waiter, "load")) {
      g_autofree gchar *escaped = g_strescape (tavrel_model_data_value_string_get_itsvalue (back), NULL);
      printf ("  loaded back: \"%s\" (the last line gained its line feed)\n", escaped);
    }
  }

  g_main_loop_unref (waiter.loop);
  g_main_context_pop_thread_default (context);
  g_remove (path);
  g_rmdir (dir);
}

void
tour_text (void)
{
  tour_heading ("text values");
  g_autoptr (TavrelModelDataValueString) text = tavrel_model_data_value_string_new ("Gr\xC3\xBC\xC3\x9F" "e");
  g_autoptr (TavrelModelDataValueXml) xml = tavrel_model_data_value_xml_new ("<row id=\"1\"/>");
  g_autoptr (TavrelModelDataValueJson) json = tavrel_model_data_value_json_new ("{\"id\": 1}");
  g_autoptr (TavrelModelDataValueUuid) fresh = tavrel_model_data_value_uuid_new ();
  g_autoptr (TavrelModelDataValueUuid) given = tavrel_model_data_value_uuid_new_uuid ("1b4e28ba-2fa1-4d2c-883f-0016d3cca427");
  g_autoptr (TavrelModelDataValueUtf16) wide = tavrel_model_data_value_utf16_new_string ("wide \xE2\x86\x92 text");
  gpointer values[] = {text, xml, json, fresh, given, wide};
  for (gsize i = 0; i < G_N_ELEMENTS (values); i++) {
    TavrelModelDataIValue *value = TAVREL_MODEL_DATA_IVALUE (values[i]);
    g_autofree gchar *rendered = tavrel_model_data_ivalue_to_string (value);
    printf ("  %-8s renders \"%s\"\n", tavrel_model_data_ivalue_get_name (value), rendered);
    tour_print_dump (value);
  }
  g_autoptr (TavrelModelDataValueObject) copy = tavrel_model_data_value_object_clone (TAVREL_MODEL_DATA_VALUE_OBJECT (fresh));
  g_autofree gchar *copied = tavrel_model_data_value_object_to_string (copy);
  printf ("  a clone of the fresh UUID keeps it: %s\n", copied);
  text_file_round_trip ();

  tour_heading ("binary values");
  static const guint8 readable[] = {'h', 'i'};
  static const guint8 opaque[] = {0x00, 0xAB, 0x10, 0xFF};
  g_autoptr (TavrelModelDataValueBinary) binary = tavrel_model_data_value_binary_new (readable, sizeof readable);
  g_autoptr (TavrelModelDataValueBlob) blob = tavrel_model_data_value_blob_new (opaque + 1, 3);
  /* Text ends at the first zero byte, so these bytes render as no text at
   * all; the hexadecimal rendering shows every byte. */
  g_autoptr (TavrelModelDataValueBinary) leading_zero = tavrel_model_data_value_binary_new (opaque, sizeof opaque);
  TavrelModelDataValueBinary *binaries[] = {binary, TAVREL_MODEL_DATA_VALUE_BINARY (blob), leading_zero};
  for (gsize i = 0; i < G_N_ELEMENTS (binaries); i++) {
    g_autofree gchar *rendered = tavrel_model_data_value_object_to_string (TAVREL_MODEL_DATA_VALUE_OBJECT (binaries[i]));
    g_autofree gchar *hex = tavrel_model_data_value_binary_to_hexadecimal (binaries[i]);
    printf ("  %-6s renders \"%s\", hexadecimal %s, %s\n",
            tavrel_model_data_value_object_get_name (TAVREL_MODEL_DATA_VALUE_OBJECT (binaries[i])), rendered, hex,
            tavrel_model_data_value_binary_is_text (binaries[i]) ? "text" : "not text");
    tour_print_dump (binaries[i]);
  }
}
