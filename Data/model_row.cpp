/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * One row of tabular data: its values in column order and its change
 * version.  The row exposes its values as a list model.
 */

#include "include/libmodel.h"
#include "Support/check.h"
#include "Support/gee.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

struct TavrelModelDataRowModelPrivate {
  lm::Ref<GeeArrayList> values;
  TavrelModelTransformDataVersion version = TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL;

  TavrelModelDataRowModelPrivate () { values.take (lm::object_list (TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)); }
};

static void row_list_model_init (GListModelInterface *iface);

G_DEFINE_TYPE_WITH_CODE (TavrelModelDataRowModel, tavrel_model_data_row_model, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TavrelModelDataRowModel)
                         G_IMPLEMENT_INTERFACE (G_TYPE_LIST_MODEL, row_list_model_init))
LM_DEFINE_PRIVATE (TavrelModelDataRowModel, tavrel_model_data_row_model, TavrelModelDataRowModelPrivate)

using P = TavrelModelDataRowModelPrivate;

static inline GeeArrayList *
row_values (TavrelModelDataRowModel *self)
{
  return lm::priv (self)->values.get ();
}

static constexpr lm::Property row_properties[] = {
    lm::field<&P::version> ([] {
      return g_param_spec_flags ("version", nullptr, nullptr, TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION,
                                 TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL, lm::RW);
    }),
    lm::field<&P::values> (
        [] { return g_param_spec_object ("values", nullptr, nullptr, GEE_TYPE_ARRAY_LIST, lm::RO); }),
};

/* The copy is always a plain RowModel with a value list of its own; a value
 * that cannot be cloned leaves a null in its place so columns stay aligned. */
static TavrelModelDataRowModel *
row_real_clone (TavrelModelDataRowModel *self)
{
  TavrelModelDataRowModel *copy = tavrel_model_data_row_model_new ();
  lm::priv (copy)->version = lm::priv (self)->version;
  GeeArrayList *source = row_values (self);
  GeeArrayList *target = row_values (copy);
  for (gint i = 0; i < lm::size (source); i++) {
    auto *value = static_cast<TavrelModelDataValueObject *> (lm::at (source, i));
    lm::append_take (target, value ? tavrel_model_data_value_object_clone (value) : nullptr);
  }
  return copy;
}

static void
tavrel_model_data_row_model_class_init (TavrelModelDataRowModelClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_row_model_finalize;
  klass->clone = row_real_clone;
  lm::install_properties<row_properties> (G_OBJECT_CLASS (klass));
}

static GeeArrayList *
row_model_items (GListModel *model)
{
  return row_values (reinterpret_cast<TavrelModelDataRowModel *> (model));
}

static void
row_list_model_init (GListModelInterface *iface)
{
  lm::implement_list_model<row_model_items, tavrel_model_data_value_object_get_type> (iface);
}

extern "C" TavrelModelDataRowModel *
tavrel_model_data_row_model_new (void) noexcept
{
  return tavrel_model_data_row_model_construct (TAVREL_MODEL_DATA_TYPE_ROW_MODEL);
}

extern "C" TavrelModelDataRowModel *
tavrel_model_data_row_model_construct (GType object_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_ROW_MODEL), NULL);
  return static_cast<TavrelModelDataRowModel *> (g_object_new (object_type, nullptr));
}

extern "C" TavrelModelDataValueObject *
tavrel_model_data_row_model_get_value_at (TavrelModelDataRowModel *self, gint position) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_ROW_MODEL (self), NULL);
  GeeArrayList *values = row_values (self);
  if (position < 0 || position >= lm::size (values))
    return nullptr;
  gpointer value = lm::at (values, position);
  return value ? TAVREL_MODEL_DATA_VALUE_OBJECT (g_object_ref (value)) : nullptr;
}

extern "C" void
tavrel_model_data_row_model_set_value_at (TavrelModelDataRowModel *self, gint position,
                                          TavrelModelDataValueObject *value) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_ROW_MODEL (self));
  LM_RETURN_IF_FAIL (value != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_OBJECT (value));
  GeeArrayList *values = row_values (self);
  LM_RETURN_IF_FAIL_TEXT (0 <= position && position < lm::size (values), "0 <= position && position < m_values.size");
  gee_abstract_list_set (GEE_ABSTRACT_LIST (values), position, value);
}

extern "C" TavrelModelDataRowModel *
tavrel_model_data_row_model_clone (TavrelModelDataRowModel *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_ROW_MODEL (self), NULL);
  auto *klass = TAVREL_MODEL_DATA_ROW_MODEL_GET_CLASS (self);
  return klass->clone ? klass->clone (self) : nullptr;
}

#define SELF tavrel_model_data_row_model, TavrelModelDataRowModel, TAVREL_MODEL_DATA_IS_ROW_MODEL
LM_ACCESSORS (SELF, version, TavrelModelTransformDataVersion, TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL)
LM_GETTER (SELF, values, GeeArrayList *, NULL)
#undef SELF
