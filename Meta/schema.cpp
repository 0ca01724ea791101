/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A schema: the events, routines, tables, materialized views and views of
 * one schema, each list emptied by reset, copied deeply by clone and nested
 * in the JSON form.  Routines are of three kinds, so the lists whose
 * elements may be of a derived class carry each element's class name.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaSchemaPrivate {
  lm::ObjectList<tavrel_model_meta_meta_event_get_type> events;
  lm::ObjectList<tavrel_model_meta_meta_routine_get_type> routines;
  lm::ObjectList<tavrel_model_meta_meta_table_get_type> tables;
  lm::ObjectList<tavrel_model_meta_materialized_get_type> miews;
  lm::ObjectList<tavrel_model_meta_meta_view_get_type> views;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaSchema, tavrel_model_meta_meta_schema, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaSchema, tavrel_model_meta_meta_schema, TavrelModelMetaMetaSchemaPrivate)

using P = TavrelModelMetaMetaSchemaPrivate;

static constexpr lm::Property schema_properties[] = {
    LM_META_LIST (events, "events", (lm::classed_objects_of<tavrel_model_meta_meta_event_get_type, lm::RESET>)),
    LM_META_LIST (routines, "routines",
                  (lm::classed_objects_of<tavrel_model_meta_meta_routine_get_type, lm::RESET>)),
    LM_META_LIST (tables, "tables", (lm::objects_of<tavrel_model_meta_meta_table_get_type, lm::RESET>)),
    LM_META_LIST (miews, "miews", (lm::classed_objects_of<tavrel_model_meta_materialized_get_type, lm::RESET>)),
    LM_META_LIST (views, "views", (lm::objects_of<tavrel_model_meta_meta_view_get_type, lm::RESET>)),
};

/* A schema is named by its own name, without the schema it is. */
static gchar *
schema_fullname (TavrelModelMetaMetaObject *self, gboolean with_database, gboolean with_kind)
{
  auto [kind, database, schema, name] = lm::meta::name_parts (self);
  if (!with_kind)
    return with_database ? g_strdup_printf ("%s.%s", database, name) : g_strdup (name);
  return with_database ? g_strdup_printf ("%s:%s.%s", kind, database, name) : g_strdup_printf ("%s:%s", kind, name);
}

static void
tavrel_model_meta_meta_schema_class_init (TavrelModelMetaMetaSchemaClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_schema_finalize;
  LM_META_CHARACTER (klass, SCHEMA);
  TAVREL_MODEL_META_META_OBJECT_CLASS (klass)->fullname = schema_fullname;
  lm::install_properties<schema_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_schema, TavrelModelMetaMetaSchema, TAVREL_MODEL_META_TYPE_META_SCHEMA)

#define CHECK_NAMES()                              \
  LM_RETURN_VAL_IF_FAIL (database != NULL, NULL);  \
  LM_RETURN_VAL_IF_FAIL (schema != NULL, NULL)

extern "C" TavrelModelMetaMetaSchema *
tavrel_model_meta_meta_schema_new_with_names (const gchar *database, const gchar *schema) noexcept
{
  CHECK_NAMES ();
  return tavrel_model_meta_meta_schema_construct_with_names (TAVREL_MODEL_META_TYPE_META_SCHEMA, database, schema);
}

/* A schema's name is the schema it is. */
extern "C" TavrelModelMetaMetaSchema *
tavrel_model_meta_meta_schema_construct_with_names (GType object_type, const gchar *database,
                                                    const gchar *schema) noexcept
{
  CHECK_NAMES ();
  LM_META_CHECK_TYPE (TAVREL_MODEL_META_TYPE_META_SCHEMA);
  auto *self = lm::meta::instantiate<TavrelModelMetaMetaSchema> (object_type);
  lm::meta::set_names (self, database, schema, schema);
  return self;
}

#undef CHECK_NAMES

#define SELF tavrel_model_meta_meta_schema, TavrelModelMetaMetaSchema, TAVREL_MODEL_META_IS_META_SCHEMA
LM_ACCESSORS (SELF, events, GeeArrayList *, NULL)
LM_ACCESSORS (SELF, routines, GeeArrayList *, NULL)
LM_ACCESSORS (SELF, tables, GeeArrayList *, NULL)
LM_ACCESSORS (SELF, miews, GeeArrayList *, NULL)
LM_ACCESSORS (SELF, views, GeeArrayList *, NULL)
#undef SELF
