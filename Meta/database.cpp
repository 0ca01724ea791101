/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A database: the top of the catalogue tree, holding its schemas.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaDatabasePrivate {
  lm::ObjectList<tavrel_model_meta_meta_schema_get_type> schemas;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaDatabase, tavrel_model_meta_meta_database, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaDatabase, tavrel_model_meta_meta_database, TavrelModelMetaMetaDatabasePrivate)

using P = TavrelModelMetaMetaDatabasePrivate;

static constexpr lm::Property database_properties[] = {
    LM_META_LIST (schemas, "schemas", (lm::objects_of<tavrel_model_meta_meta_schema_get_type, lm::RESET>)),
};

/* A database is above every schema: its name stands where the database
 * part of a qualified name goes, and the rest stays empty. */
static gchar *
database_fullname (TavrelModelMetaMetaObject *self, gboolean with_database, gboolean with_kind)
{
  auto [kind, database, schema, name] = lm::meta::name_parts (self);
  if (!with_kind)
    return with_database ? g_strdup_printf ("%s..", name) : g_strdup (".");
  return with_database ? g_strdup_printf ("%s:%s..", kind, name) : g_strdup_printf ("%s:.", kind);
}

static void
tavrel_model_meta_meta_database_class_init (TavrelModelMetaMetaDatabaseClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_database_finalize;
  LM_META_CHARACTER (klass, DATABASE);
  TAVREL_MODEL_META_META_OBJECT_CLASS (klass)->fullname = database_fullname;
  lm::install_properties<database_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_database, TavrelModelMetaMetaDatabase, TAVREL_MODEL_META_TYPE_META_DATABASE)

extern "C" TavrelModelMetaMetaDatabase *
tavrel_model_meta_meta_database_new_with_name (const gchar *database) noexcept
{
  LM_RETURN_VAL_IF_FAIL (database != NULL, NULL);
  return tavrel_model_meta_meta_database_construct_with_name (TAVREL_MODEL_META_TYPE_META_DATABASE, database);
}

extern "C" TavrelModelMetaMetaDatabase *
tavrel_model_meta_meta_database_construct_with_name (GType object_type, const gchar *database) noexcept
{
  LM_RETURN_VAL_IF_FAIL (database != NULL, NULL);
  LM_META_CHECK_TYPE (TAVREL_MODEL_META_TYPE_META_DATABASE);
  auto *self = lm::meta::instantiate<TavrelModelMetaMetaDatabase> (object_type);
  lm::meta::set_names (self, database, database, database);
  return self;
}

extern "C" TavrelModelMetaMetaSchema *
tavrel_model_meta_meta_database_append (TavrelModelMetaMetaDatabase *self, const gchar *schema_name) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_META_IS_META_DATABASE (self), NULL);
  LM_RETURN_VAL_IF_FAIL (schema_name != NULL, NULL);
  /* A database whose caller took its schema list away has nowhere to put
   * one. */
  GeeArrayList *schemas = lm::priv (self)->schemas.get ();
  LM_RETURN_VAL_IF_FAIL (schemas != NULL, NULL);
  for (gint i = 0; i < lm::size (schemas); i++) {
    gpointer element = lm::at (schemas, i);
    if (element && TAVREL_MODEL_META_IS_META_SCHEMA (element) &&
        g_strcmp0 (tavrel_model_meta_meta_object_get_name (TAVREL_MODEL_META_META_OBJECT (element)), schema_name) == 0)
      return TAVREL_MODEL_META_META_SCHEMA (g_object_ref (element));
  }
  TavrelModelMetaMetaSchema *schema = tavrel_model_meta_meta_schema_new_with_names (
      tavrel_model_meta_meta_object_get_name (TAVREL_MODEL_META_META_OBJECT (self)), schema_name);
  lm::append (schemas, schema);
  return schema;
}

#define SELF tavrel_model_meta_meta_database, TavrelModelMetaMetaDatabase, TAVREL_MODEL_META_IS_META_DATABASE
LM_ACCESSORS (SELF, schemas, GeeArrayList *, NULL)
#undef SELF
