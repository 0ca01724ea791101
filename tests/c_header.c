/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A C99 program built against the public header alone and linked with the
 * shared library, as a C client would be: it derives a value class and uses
 * g_autoptr cleanups.  Exit status 0 means every check held.
 */

#include <libmodel.h>
#include <stdio.h>
#include <string.h>

static int failures = 0;

#define CHECK(cond)                                                  \
  do {                                                               \
    if (!(cond)) {                                                   \
      fprintf (stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      failures++;                                                    \
    }                                                                \
  } while (0)

/* A value kind of the client's own: derives from the base value class and
 * overrides two class operations. */
typedef struct {
  TavrelModelDataValueObject parent_instance;
  int payload;
} ClientAnswer;

typedef struct {
  TavrelModelDataValueObjectClass parent_class;
} ClientAnswerClass;

G_DEFINE_TYPE (ClientAnswer, client_answer, TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)

static gchar *
client_answer_to_string (TavrelModelDataValueObject *self)
{
  return g_strdup_printf ("%d", ((ClientAnswer *) self)->payload);
}

static TavrelModelDataDataType
client_answer_get_data_type (TavrelModelDataValueObject *self)
{
  (void) self;
  return TAVREL_MODEL_DATA_DATA_TYPE_INT32;
}

static void
client_answer_class_init (ClientAnswerClass *klass)
{
  TavrelModelDataValueObjectClass *value_class = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  value_class->to_string = client_answer_to_string;
  value_class->get_data_type = client_answer_get_data_type;
}

static void
client_answer_init (ClientAnswer *self)
{
  self->payload = 42;
}

int
main (void)
{
  g_autoptr (TavrelModelDataValueObject) answer = tavrel_model_data_value_object_construct (client_answer_get_type ());
  g_autofree gchar *dump = tavrel_model_data_ivalue_dump (TAVREL_MODEL_DATA_IVALUE (answer));
  g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_row_model_new ();
  g_autoptr (TavrelModelDataRowModel) copy = NULL;
  g_autoptr (TavrelModelDataValueError) error = tavrel_model_data_value_error_new (-3, "timeout");
  g_autoptr (TavrelModelDataColumnModel) column =
      tavrel_model_data_column_model_new_full ("id", TAVREL_MODEL_DATA_DATA_TYPE_INT32);
  g_autofree gchar *kind = tavrel_model_data_data_type_to_string (TAVREL_MODEL_DATA_DATA_TYPE_WSTRING);
  g_autofree gchar *version = NULL;

  CHECK (strcmp (dump, "ClientAnswer => 42") == 0);
  CHECK (tavrel_model_data_ivalue_get_data_type (TAVREL_MODEL_DATA_IVALUE (answer)) == TAVREL_MODEL_DATA_DATA_TYPE_INT32);
  CHECK (TAVREL_MODEL_DATA_IS_VALUE_OBJECT (answer));
  CHECK (!TAVREL_MODEL_DATA_IS_VALUE_NULL (answer));
  CHECK (strcmp (kind, "wstring") == 0);
  CHECK (strcmp (tavrel_model_data_column_model_get_name (column), "id") == 0);

  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_data_row_model_get_values (row)), answer);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_data_row_model_get_values (row)), error);
  tavrel_model_data_row_model_set_version (row, TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  copy = tavrel_model_data_row_model_clone (row);
  CHECK (g_list_model_get_n_items (G_LIST_MODEL (copy)) == 2);
  CHECK (tavrel_model_data_row_model_get_version (copy) == TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  version = tavrel_model_transform_data_version_to_string (tavrel_model_data_row_model_get_version (copy));
  CHECK (strcmp (version, "UPDATE") == 0);
  CHECK (TAVREL_MODEL_DATA_ROW_MODEL_GET_CLASS (row)->clone != NULL);

  {
    /* A driver's row from its texts, as a C driver writes it. */
    const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_INT32, TAVREL_MODEL_DATA_DATA_TYPE_STRING};
    const gchar *texts[] = {"42", NULL};
    g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_types (kinds, 2);
    g_autoptr (TavrelModelDataValueObject) cell = NULL;
    CHECK (tavrel_model_data_table_model_append_texts (table, texts, 2) == 0);
    cell = tavrel_model_data_table_model_get_value_at (table, 1, 0);
    CHECK (TAVREL_MODEL_DATA_IS_VALUE_NULL (cell));
  }

  if (failures == 0)
    printf ("c header: ok\n");
  return failures == 0 ? 0 : 1;
}
