/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A table: its identity and five ordered lists of the objects that depend
 * on it (constraints, columns, indexes, rules and triggers), which reset
 * empties, clone copies deeply and JSON nests.  Constraints carry their
 * class name in JSON, so each comes back as its own kind.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaTablePrivate {
  lm::ObjectList<tavrel_model_meta_meta_constraint_get_type> constraints;
  lm::ObjectList<tavrel_model_meta_meta_column_get_type> columns;
  lm::ObjectList<tavrel_model_meta_meta_index_get_type> indexes;
  lm::ObjectList<tavrel_model_meta_meta_rule_get_type> rules;
  lm::ObjectList<tavrel_model_meta_meta_trigger_get_type> triggers;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaTable, tavrel_model_meta_meta_table, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaTable, tavrel_model_meta_meta_table, TavrelModelMetaMetaTablePrivate)

using P = TavrelModelMetaMetaTablePrivate;

static constexpr lm::Property table_properties[] = {
    LM_META_LIST (constraints, "constraints",
                  (lm::classed_objects_of<tavrel_model_meta_meta_constraint_get_type, lm::RESET>)),
    LM_META_LIST (columns, "columns", (lm::objects_of<tavrel_model_meta_meta_column_get_type, lm::RESET>)),
    LM_META_LIST (indexes, "indexes", (lm::objects_of<tavrel_model_meta_meta_index_get_type, lm::RESET>)),
    LM_META_LIST (rules, "rules", (lm::objects_of<tavrel_model_meta_meta_rule_get_type, lm::RESET>)),
    LM_META_LIST (triggers, "triggers", (lm::objects_of<tavrel_model_meta_meta_trigger_get_type, lm::RESET>)),
};

static void
tavrel_model_meta_meta_table_class_init (TavrelModelMetaMetaTableClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_table_finalize;
  LM_META_CHARACTER (klass, TABLE);
  lm::install_properties<table_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_table, TavrelModelMetaMetaTable, TAVREL_MODEL_META_TYPE_META_TABLE)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_table, TavrelModelMetaMetaTable, TAVREL_MODEL_META_TYPE_META_TABLE)

/* Callers fill the list themselves, so an element need not be a column. */
extern "C" TavrelModelMetaMetaColumn *
tavrel_model_meta_meta_table_get_column (TavrelModelMetaMetaTable *self, const gchar *name) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_META_IS_META_TABLE (self), NULL);
  LM_RETURN_VAL_IF_FAIL (name != NULL, NULL);
  GeeArrayList *columns = lm::priv (self)->columns.peek ();
  for (gint i = 0, n = columns ? lm::size (columns) : 0; i < n; i++) {
    gpointer element = lm::at (columns, i);
    if (element && TAVREL_MODEL_META_IS_META_COLUMN (element) &&
        g_strcmp0 (tavrel_model_meta_meta_object_get_name (TAVREL_MODEL_META_META_OBJECT (element)), name) == 0)
      return TAVREL_MODEL_META_META_COLUMN (g_object_ref (element));
  }
  return nullptr;
}

extern "C" TavrelModelMetaMetaColumn *
tavrel_model_meta_meta_table_new_column (TavrelModelMetaMetaTable *self, const gchar *name,
                                         TavrelModelDataDataType data_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_META_IS_META_TABLE (self), NULL);
  LM_RETURN_VAL_IF_FAIL (name != NULL, NULL);
  /* A table whose caller took its column list away has nowhere to put one. */
  GeeArrayList *columns = lm::priv (self)->columns.get ();
  LM_RETURN_VAL_IF_FAIL (columns != NULL, NULL);
  TavrelModelMetaMetaColumn *column = tavrel_model_meta_meta_column_new_with_type (name, data_type, "");
  lm::append (columns, column);
  return column;
}

/* Removes, last to first, every constraint of the class (or derived). */
static void
remove_constraints (GeeArrayList *constraints, GType kind)
{
  if (!constraints)
    return;
  for (gint i = lm::size (constraints) - 1; i >= 0; i--) {
    gpointer element = lm::at (constraints, i);
    if (element && G_TYPE_CHECK_INSTANCE_TYPE (element, kind))
      g_object_unref (gee_abstract_list_remove_at (GEE_ABSTRACT_LIST (constraints), i));
  }
}

extern "C" void
tavrel_model_meta_meta_table_reset_partial (TavrelModelMetaMetaTable *self, TavrelModelMetaDBObject kind) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_META_IS_META_TABLE (self));
  P *p = lm::priv (self);
  switch (kind) {
  case TAVREL_MODEL_META_DB_OBJECT_CHECK:
    remove_constraints (p->constraints.peek (), TAVREL_MODEL_META_TYPE_META_CHECK);
    break;
  case TAVREL_MODEL_META_DB_OBJECT_COLUMN:
    if (GeeArrayList *columns = p->columns.peek ())
      gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (columns));
    break;
  case TAVREL_MODEL_META_DB_OBJECT_EXCLUDE:
    remove_constraints (p->constraints.peek (), TAVREL_MODEL_META_TYPE_META_EXCLUDE);
    break;
  case TAVREL_MODEL_META_DB_OBJECT_FOREIGN:
    remove_constraints (p->constraints.peek (), TAVREL_MODEL_META_TYPE_META_FOREIGN_KEY);
    break;
  case TAVREL_MODEL_META_DB_OBJECT_UNIQUE:
    remove_constraints (p->constraints.peek (), TAVREL_MODEL_META_TYPE_META_UNIQUE);
    break;
  default:
    break;
  }
}

#define SELF tavrel_model_meta_meta_table, TavrelModelMetaMetaTable, TAVREL_MODEL_META_IS_META_TABLE
LM_ACCESSORS (SELF, constraints, GeeArrayList *, NULL)
LM_ACCESSORS (SELF, columns, GeeArrayList *, NULL)
LM_ACCESSORS (SELF, indexes, GeeArrayList *, NULL)
LM_ACCESSORS (SELF, rules, GeeArrayList *, NULL)
LM_ACCESSORS (SELF, triggers, GeeArrayList *, NULL)
#undef SELF
