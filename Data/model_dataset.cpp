/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * An ordered set of tables, as a statement batch returns them.  Its
 * producer fills the table list directly, so the list model announces
 * nothing.
 */

#include "include/libmodel.h"
#include "Support/check.h"
#include "Support/gee.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

struct TavrelModelDataDataSetModelPrivate {
  lm::Ref<GeeArrayList> tables;

  TavrelModelDataDataSetModelPrivate () { tables.take (lm::object_list (TAVREL_MODEL_DATA_TYPE_TABLE_MODEL)); }
};

static void data_set_list_model_init (GListModelInterface *iface);

G_DEFINE_TYPE_WITH_CODE (TavrelModelDataDataSetModel, tavrel_model_data_data_set_model, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TavrelModelDataDataSetModel)
                         G_IMPLEMENT_INTERFACE (G_TYPE_LIST_MODEL, data_set_list_model_init))
LM_DEFINE_PRIVATE (TavrelModelDataDataSetModel, tavrel_model_data_data_set_model, TavrelModelDataDataSetModelPrivate)

static constexpr lm::Property data_set_properties[] = {
    lm::field<&TavrelModelDataDataSetModelPrivate::tables> (
        [] { return g_param_spec_object ("tables", nullptr, nullptr, GEE_TYPE_ARRAY_LIST, lm::RO); }),
};

static void
tavrel_model_data_data_set_model_class_init (TavrelModelDataDataSetModelClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_data_set_model_finalize;
  lm::install_properties<data_set_properties> (G_OBJECT_CLASS (klass));
}

static GeeArrayList *
data_set_items (GListModel *model)
{
  return lm::priv (reinterpret_cast<TavrelModelDataDataSetModel *> (model))->tables.get ();
}

static void
data_set_list_model_init (GListModelInterface *iface)
{
  lm::implement_list_model<data_set_items, tavrel_model_data_table_model_get_type> (iface);
}

extern "C" TavrelModelDataDataSetModel *
tavrel_model_data_data_set_model_new (void) noexcept
{
  return tavrel_model_data_data_set_model_construct (TAVREL_MODEL_DATA_TYPE_DATA_SET_MODEL);
}

extern "C" TavrelModelDataDataSetModel *
tavrel_model_data_data_set_model_construct (GType object_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_DATA_SET_MODEL), NULL);
  return static_cast<TavrelModelDataDataSetModel *> (g_object_new (object_type, nullptr));
}

#define SELF tavrel_model_data_data_set_model, TavrelModelDataDataSetModel, TAVREL_MODEL_DATA_IS_DATA_SET_MODEL
LM_GETTER (SELF, tables, GeeArrayList *, NULL)
#undef SELF
