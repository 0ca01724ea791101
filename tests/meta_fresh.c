/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A process that has used no catalogue class reads a schema whose lists
 * name their elements' classes: each element comes back as its class.
 * GLib finds a type by name only once it is registered, so this must run
 * in a process of its own, first thing.
 */

#include <stdio.h>
#include <string.h>

#include <libmodel.h>

#define ELEMENT(klass) "{\"name\": \"" klass "\", \"class\": \"TavrelModelMeta" klass "\"}"

static const char document[] =
    "{\"name\": \"public\","
    " \"events\": [" ELEMENT ("MetaEvent") "],"
    " \"routines\": [" ELEMENT ("MetaFunction") ", " ELEMENT ("MetaProcedure") ", " ELEMENT ("MetaExternal") "],"
    " \"miews\": [" ELEMENT ("Materialized") "],"
    " \"tables\": [{\"name\": \"t\", \"constraints\": [" ELEMENT ("MetaPrimaryKey") ", " ELEMENT ("MetaUnique") ", "
    ELEMENT ("MetaForeignKey") ", " ELEMENT ("MetaCheck") ", " ELEMENT ("MetaExclude") "]}]}";

static int
check_list (GeeArrayList *list, int expected)
{
  int failures = 0;
  if (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (list)) != expected) {
    printf ("expected %d elements, read %d\n", expected, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (list)));
    return 1;
  }
  for (int i = 0; i < expected; i++) {
    GObject *element = gee_abstract_list_get (GEE_ABSTRACT_LIST (list), i);
    const char *name = tavrel_model_meta_meta_object_get_name (TAVREL_MODEL_META_META_OBJECT (element));
    if (strcmp (G_OBJECT_TYPE_NAME (element) + strlen ("TavrelModelMeta"), name) != 0) {
      printf ("%s came back as %s\n", name, G_OBJECT_TYPE_NAME (element));
      failures++;
    }
    g_object_unref (element);
  }
  return failures;
}

int
main (void)
{
  GError *error = NULL;
  GObject *read = json_gobject_from_data (tavrel_model_meta_meta_schema_get_type (), document, -1, &error);
  if (!read) {
    printf ("%s\n", error->message);
    return 1;
  }
  TavrelModelMetaMetaSchema *schema = TAVREL_MODEL_META_META_SCHEMA (read);
  GeeArrayList *tables = tavrel_model_meta_meta_schema_get_tables (schema);
  int failures = check_list (tavrel_model_meta_meta_schema_get_events (schema), 1) +
                 check_list (tavrel_model_meta_meta_schema_get_routines (schema), 3) +
                 check_list (tavrel_model_meta_meta_schema_get_miews (schema), 1);
  if (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (tables)) == 1) {
    TavrelModelMetaMetaTable *table = gee_abstract_list_get (GEE_ABSTRACT_LIST (tables), 0);
    failures += check_list (tavrel_model_meta_meta_table_get_constraints (table), 5);
    g_object_unref (table);
  } else {
    failures++;
  }
  g_object_unref (read);
  return failures ? 1 : 0;
}
