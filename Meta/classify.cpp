/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A classification node: a labelled group of catalogue objects of one kind
 * (a schema's tables, its views...), shown as a list model, for presenting
 * a catalogue as a tree.  The node's label is its name; its kind is its
 * character.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaClassifyPrivate {
  TavrelModelMetaDBObject kind = TAVREL_MODEL_META_DB_OBJECT_UNKNOWN;
  lm::Ref<GListModel> children;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaClassify, tavrel_model_meta_meta_classify, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaClassify, tavrel_model_meta_meta_classify, TavrelModelMetaMetaClassifyPrivate)

using P = TavrelModelMetaMetaClassifyPrivate;

static constexpr lm::Property classify_properties[] = {
    /* A view of other objects: shared by clones, never written to JSON. */
    lm::container<&P::children> (
        [] { return g_param_spec_object ("children", nullptr, nullptr, G_TYPE_LIST_MODEL, lm::RW); },
        lm::Notify::SAME_OBJECT, lm::model),
};

/* The kind is no property, so the property-wise copy would lose it. */
static TavrelModelMetaMetaObject *
classify_clone (TavrelModelMetaMetaObject *self)
{
  auto *parent = TAVREL_MODEL_META_META_OBJECT_CLASS (tavrel_model_meta_meta_classify_parent_class);
  TavrelModelMetaMetaObject *copy = parent->clone (self);
  lm::priv (TAVREL_MODEL_META_META_CLASSIFY (copy))->kind = lm::priv (TAVREL_MODEL_META_META_CLASSIFY (self))->kind;
  return copy;
}

static void
tavrel_model_meta_meta_classify_class_init (TavrelModelMetaMetaClassifyClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_classify_finalize;
  auto *meta_class = TAVREL_MODEL_META_META_OBJECT_CLASS (klass);
  meta_class->character = [] (TavrelModelMetaMetaObject *self) {
    return lm::priv (TAVREL_MODEL_META_META_CLASSIFY (self))->kind;
  };
  meta_class->clone = classify_clone;
  lm::install_properties<classify_properties> (G_OBJECT_CLASS (klass));
}

/* Label, schema and database in that order, then the kind. */
static TavrelModelMetaMetaClassify *
classify_build (GType object_type, TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema,
                const gchar *label)
{
  auto *self = lm::meta::instantiate<TavrelModelMetaMetaClassify> (object_type);
  lm::meta::set_names (self, database, schema, label);
  lm::priv (self)->kind = kind;
  return self;
}

/* The elements of the node's kind, in array order; the array is not kept. */
static GListModel *
filtered (TavrelModelMetaDBObject kind, TavrelModelMetaMetaObject **array, gint32 length)
{
  GListStore *store = g_list_store_new (TAVREL_MODEL_META_TYPE_META_OBJECT);
  for (gint32 i = 0; i < length; i++) {
    TavrelModelMetaMetaObject *element = array[i];
    if (element && TAVREL_MODEL_META_IS_META_OBJECT (element) &&
        tavrel_model_meta_meta_object_character (element) == kind)
      g_list_store_append (store, element);
  }
  return G_LIST_MODEL (store);
}

#define CHECK_NAMES()                              \
  LM_RETURN_VAL_IF_FAIL (database != NULL, NULL);  \
  LM_RETURN_VAL_IF_FAIL (schema != NULL, NULL);    \
  LM_RETURN_VAL_IF_FAIL (label != NULL, NULL)

#define CHECK_TYPE() LM_META_CHECK_TYPE (TAVREL_MODEL_META_TYPE_META_CLASSIFY)

extern "C" TavrelModelMetaMetaClassify *
tavrel_model_meta_meta_classify_new (TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema,
                                     const gchar *label) noexcept
{
  CHECK_NAMES ();
  return tavrel_model_meta_meta_classify_construct (TAVREL_MODEL_META_TYPE_META_CLASSIFY, kind, database, schema,
                                                    label);
}

extern "C" TavrelModelMetaMetaClassify *
tavrel_model_meta_meta_classify_construct (GType object_type, TavrelModelMetaDBObject kind, const gchar *database,
                                           const gchar *schema, const gchar *label) noexcept
{
  CHECK_NAMES ();
  CHECK_TYPE ();
  return classify_build (object_type, kind, database, schema, label);
}

extern "C" TavrelModelMetaMetaClassify *
tavrel_model_meta_meta_classify_new_with_model (TavrelModelMetaDBObject kind, const gchar *database,
                                                const gchar *schema, const gchar *label,
                                                GListModel *list_model) noexcept
{
  CHECK_NAMES ();
  LM_RETURN_VAL_IF_FAIL (list_model != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (G_IS_LIST_MODEL (list_model), NULL);
  return tavrel_model_meta_meta_classify_construct_with_model (TAVREL_MODEL_META_TYPE_META_CLASSIFY, kind,
                                                               database, schema, label, list_model);
}

extern "C" TavrelModelMetaMetaClassify *
tavrel_model_meta_meta_classify_construct_with_model (GType object_type, TavrelModelMetaDBObject kind,
                                                      const gchar *database, const gchar *schema,
                                                      const gchar *label, GListModel *list_model) noexcept
{
  CHECK_NAMES ();
  LM_RETURN_VAL_IF_FAIL (list_model != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (G_IS_LIST_MODEL (list_model), NULL);
  CHECK_TYPE ();
  TavrelModelMetaMetaClassify *self = classify_build (object_type, kind, database, schema, label);
  lm::assign<&P::children> (self, list_model);
  return self;
}

/* A null array can only stand for no elements. */
#define CHECK_ARRAY() LM_RETURN_VAL_IF_FAIL (array != NULL || length <= 0, NULL)

extern "C" TavrelModelMetaMetaClassify *
tavrel_model_meta_meta_classify_new_with_array (TavrelModelMetaDBObject kind, const gchar *database,
                                                const gchar *schema, const gchar *label,
                                                TavrelModelMetaMetaObject **array, gint32 length) noexcept
{
  CHECK_NAMES ();
  CHECK_ARRAY ();
  return tavrel_model_meta_meta_classify_construct_with_array (TAVREL_MODEL_META_TYPE_META_CLASSIFY, kind,
                                                               database, schema, label, array, length);
}

extern "C" TavrelModelMetaMetaClassify *
tavrel_model_meta_meta_classify_construct_with_array (GType object_type, TavrelModelMetaDBObject kind,
                                                      const gchar *database, const gchar *schema,
                                                      const gchar *label, TavrelModelMetaMetaObject **array,
                                                      gint32 length) noexcept
{
  CHECK_NAMES ();
  CHECK_ARRAY ();
  CHECK_TYPE ();
  TavrelModelMetaMetaClassify *self = classify_build (object_type, kind, database, schema, label);
  g_autoptr (GListModel) store = filtered (kind, array, length);
  lm::assign<&P::children> (self, store);
  return self;
}

#undef CHECK_NAMES
#undef CHECK_TYPE
#undef CHECK_ARRAY

#define SELF tavrel_model_meta_meta_classify, TavrelModelMetaMetaClassify, TAVREL_MODEL_META_IS_META_CLASSIFY
LM_ACCESSORS (SELF, children, GListModel *, NULL)
#undef SELF
