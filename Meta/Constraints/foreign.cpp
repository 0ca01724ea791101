/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A foreign key: the referenced table and both column lists as texts, the
 * match method and the actions.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaForeignKeyPrivate {
  lm::String refer_database {""};
  lm::String refer_schema {""};
  lm::String refer_table {""};
  lm::String local_columns {""};
  lm::String refer_columns {""};
  lm::String match_method {""};
  lm::String delete_action {""};
  lm::String update_action {""};
  lm::String deferrable {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaForeignKey, tavrel_model_meta_meta_foreign_key, TAVREL_MODEL_META_TYPE_META_CONSTRAINT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaForeignKey, tavrel_model_meta_meta_foreign_key, TavrelModelMetaMetaForeignKeyPrivate)

using P = TavrelModelMetaMetaForeignKeyPrivate;

static constexpr lm::Property foreign_key_properties[] = {
    LM_META_STRING (refer_database, "refer-database"),
    LM_META_STRING (refer_schema, "refer-schema"),
    LM_META_STRING (refer_table, "refer-table"),
    LM_META_STRING (local_columns, "local-columns"),
    LM_META_STRING (refer_columns, "refer-columns"),
    LM_META_STRING (match_method, "match-method"),
    LM_META_STRING (delete_action, "delete-action"),
    LM_META_STRING (update_action, "update-action"),
    LM_META_STRING (deferrable, "deferrable"),
};

static void
tavrel_model_meta_meta_foreign_key_class_init (TavrelModelMetaMetaForeignKeyClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_foreign_key_finalize;
  LM_META_CHARACTER (klass, FOREIGN);
  lm::install_properties<foreign_key_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_foreign_key, TavrelModelMetaMetaForeignKey, TAVREL_MODEL_META_TYPE_META_FOREIGN_KEY)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_foreign_key, TavrelModelMetaMetaForeignKey, TAVREL_MODEL_META_TYPE_META_FOREIGN_KEY)

/* The referenced table's check has always read "refere_table"; callers
 * match the text. */
#define CHECK_REFER()                                                           \
  LM_META_CHECK_NAMES ();                                                       \
  LM_RETURN_VAL_IF_FAIL (refer_schema != NULL, NULL);                           \
  LM_RETURN_VAL_IF_FAIL_TEXT (refer_table != NULL, "refere_table != NULL", NULL)

extern "C" TavrelModelMetaMetaForeignKey *
tavrel_model_meta_meta_foreign_key_new_with_refer (const gchar *database, const gchar *schema, const gchar *name,
                                                   const gchar *refer_schema, const gchar *refer_table) noexcept
{
  CHECK_REFER ();
  return tavrel_model_meta_meta_foreign_key_construct_with_refer (TAVREL_MODEL_META_TYPE_META_FOREIGN_KEY, database,
                                                                  schema, name, refer_schema, refer_table);
}

extern "C" TavrelModelMetaMetaForeignKey *
tavrel_model_meta_meta_foreign_key_construct_with_refer (GType object_type, const gchar *database,
                                                         const gchar *schema, const gchar *name,
                                                         const gchar *refer_schema,
                                                         const gchar *refer_table) noexcept
{
  CHECK_REFER ();
  LM_META_CHECK_TYPE (TAVREL_MODEL_META_TYPE_META_FOREIGN_KEY);
  auto *self = lm::meta::instantiate<TavrelModelMetaMetaForeignKey> (object_type);
  lm::meta::set_names (self, database, schema, name);
  lm::assign<&P::refer_schema> (self, refer_schema);
  lm::assign<&P::refer_table> (self, refer_table);
  return self;
}

#undef CHECK_REFER

#define SELF tavrel_model_meta_meta_foreign_key, TavrelModelMetaMetaForeignKey, TAVREL_MODEL_META_IS_META_FOREIGN_KEY
LM_ACCESSORS (SELF, refer_database, const gchar *, NULL)
LM_ACCESSORS (SELF, refer_schema, const gchar *, NULL)
LM_ACCESSORS (SELF, refer_table, const gchar *, NULL)
LM_ACCESSORS (SELF, local_columns, const gchar *, NULL)
LM_ACCESSORS (SELF, refer_columns, const gchar *, NULL)
LM_ACCESSORS (SELF, match_method, const gchar *, NULL)
LM_ACCESSORS (SELF, delete_action, const gchar *, NULL)
LM_ACCESSORS (SELF, update_action, const gchar *, NULL)
LM_ACCESSORS (SELF, deferrable, const gchar *, NULL)
#undef SELF
