/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Network proxy settings. */

#include "tests/support.h"

using lmtest::NotifyCounter;
using lmtest::Watch;

namespace {

using Network = TavrelModelSettingNetworkSetting;

class Networks : public lmtest::Test {
 protected:
  static guint port_property (Network *setting)
  {
    guint port = 0;
    g_object_get (setting, "proxy-port", &port, nullptr);
    return port;
  }
};

}  // namespace

TEST_F (Networks, Defaults)
{
  g_autoptr (TavrelModelSettingNetworkSetting) setting = tavrel_model_setting_network_setting_new ();
  EXPECT_FALSE (tavrel_model_setting_network_setting_get_proxy_using (setting));
  EXPECT_EQ (0u, tavrel_model_setting_network_setting_get_proxy_type (setting));
  EXPECT_EQ (8080, tavrel_model_setting_network_setting_get_proxy_port (setting));
  EXPECT_STREQ ("", tavrel_model_setting_network_setting_get_proxy_host (setting));
  EXPECT_STREQ ("", tavrel_model_setting_network_setting_get_proxy_username (setting));
  EXPECT_STREQ ("", tavrel_model_setting_network_setting_get_proxy_password (setting));

  /* In order; the declared defaults of the strings are null, the numbers take the
   * whole unsigned range. */
  static const char *const names[] = {"proxy-using", "proxy-type", "proxy-host",
                                      "proxy-port", "proxy-username", "proxy-password"};
  guint n = 0;
  g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (setting), &n);
  ASSERT_EQ (G_N_ELEMENTS (names), n);
  for (guint i = 0; i < n; i++) {
    ASSERT_STREQ (names[i], pspecs[i]->name);
    EXPECT_TRUE (pspecs[i]->flags & G_PARAM_EXPLICIT_NOTIFY) << names[i];
    if (pspecs[i]->value_type == G_TYPE_STRING) {
      EXPECT_EQ (nullptr, G_PARAM_SPEC_STRING (pspecs[i])->default_value) << names[i];
    }
  }
  GParamSpecUInt *port = G_PARAM_SPEC_UINT (pspecs[3]);
  EXPECT_EQ (8080u, port->default_value);
  EXPECT_EQ (G_MAXUINT32, port->maximum);
  EXPECT_EQ (G_MAXUINT32, G_PARAM_SPEC_UINT (pspecs[1])->maximum);
}

TEST_F (Networks, PortKeepsItsLowSixteenBits)
{
  g_autoptr (TavrelModelSettingNetworkSetting) setting = tavrel_model_setting_network_setting_new ();
  NotifyCounter notified (setting, "proxy-port");

  g_object_set (setting, "proxy-port", guint (65536 + 80), nullptr);
  EXPECT_EQ (80, tavrel_model_setting_network_setting_get_proxy_port (setting));
  EXPECT_EQ (80u, port_property (setting));
  EXPECT_EQ (1, notified.count ());

  /* The change test is on the stored 16 bits. */
  g_object_set (setting, "proxy-port", guint (80), nullptr);
  g_object_set (setting, "proxy-port", guint (3 * 65536 + 80), nullptr);
  tavrel_model_setting_network_setting_set_proxy_port (setting, 80);
  EXPECT_EQ (1, notified.count ());
  g_object_set (setting, "proxy-port", G_MAXUINT32, nullptr);
  EXPECT_EQ (G_MAXUINT16, tavrel_model_setting_network_setting_get_proxy_port (setting));
  tavrel_model_setting_network_setting_set_proxy_port (setting, 0);
  EXPECT_EQ (3, notified.count ());
}

TEST_F (Networks, NotifiesOnlyOnChange)
{
  g_autoptr (TavrelModelSettingNetworkSetting) setting = tavrel_model_setting_network_setting_new ();
  NotifyCounter host (setting, "proxy-host"), type (setting, "proxy-type");

  tavrel_model_setting_network_setting_set_proxy_host (setting, "");
  EXPECT_EQ (0, host.count ());
  tavrel_model_setting_network_setting_set_proxy_host (setting, "proxy.lan");
  g_object_set (setting, "proxy-host", "proxy.lan", nullptr);
  tavrel_model_setting_network_setting_set_proxy_host (setting, tavrel_model_setting_network_setting_get_proxy_host (setting));
  EXPECT_EQ (1, host.count ());
  EXPECT_STREQ ("proxy.lan", tavrel_model_setting_network_setting_get_proxy_host (setting));

  /* The kind is opaque: any 32-bit number is stored. */
  tavrel_model_setting_network_setting_set_proxy_type (setting, G_MAXUINT32);
  g_object_set (setting, "proxy-type", G_MAXUINT32, nullptr);
  EXPECT_EQ (1, type.count ());
  EXPECT_EQ (G_MAXUINT32, tavrel_model_setting_network_setting_get_proxy_type (setting));
}

TEST_F (Networks, RejectsNullAndForeignArguments)
{
  EXPECT_EQ (nullptr, tavrel_model_setting_network_setting_construct (TAVREL_MODEL_SETTING_TYPE_SERVER));
  expect_critical ("tavrel_model_setting_network_setting_construct: assertion 'g_type_is_a (object_type, "
                   "TAVREL_MODEL_SETTING_TYPE_NETWORK_SETTING)' failed");
  EXPECT_EQ (0, tavrel_model_setting_network_setting_get_proxy_port (nullptr));
  expect_critical ("tavrel_model_setting_network_setting_get_proxy_port: assertion 'self != NULL' failed");
  tavrel_model_setting_network_setting_set_proxy_password (nullptr, "x");
  expect_critical ("tavrel_model_setting_network_setting_set_proxy_password: assertion 'self != NULL' failed");

  g_autoptr (TavrelModelSettingServer) server = tavrel_model_setting_server_new ();
  auto *foreign = reinterpret_cast<Network *> (server);
  EXPECT_EQ (nullptr, tavrel_model_setting_network_setting_get_proxy_host (foreign));
  expect_critical ("tavrel_model_setting_network_setting_get_proxy_host: assertion "
                   "'TAVREL_MODEL_SETTING_IS_NETWORK_SETTING (self)' failed");
  EXPECT_STREQ ("", tavrel_model_setting_server_get_host (server));
}

TEST_F (Networks, ReleasedWithTheLastReference)
{
  Network *setting = tavrel_model_setting_network_setting_new ();
  tavrel_model_setting_network_setting_set_proxy_password (setting, "secret");
  Watch watch (setting);
  g_object_unref (setting);
  EXPECT_TRUE (watch.finalized ());
}
