/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Connection settings: two server profiles and a proxy. */

#include <stdio.h>

#include "tour.h"

static void
print_profile (TavrelModelSettingServer *server)
{
  g_autofree gchar *line = tavrel_model_setting_server_to_string (server, TRUE);
  printf ("  %s\n", line);
}

void
tour_settings (void)
{
  tour_heading ("connection settings");

  /* Reached through an SSH tunnel with a key; the passwords never show. */
  g_autoptr (TavrelModelSettingServer) tunnelled = tavrel_model_setting_server_new_with_provider ("pg");
  const gchar *databases[] = {"sales", "stock", "audit"};
  g_object_set (tunnelled, "title", "warehouse", "host", "10.0.4.12", "port", 5432, "initial", "sales",
                "username", "report", "password", "s3cret", "ssh-using", TRUE, "ssh-host", "bastion.example.org",
                "ssh-auth-type", "key", "ssh-key-private-file", "~/.ssh/id_ed25519", NULL);
  tavrel_model_setting_server_set_databases (tunnelled, databases, G_N_ELEMENTS (databases));
  print_profile (tunnelled);
  gint n = 0;
  const gchar *const *names = tavrel_model_setting_server_get_databases (tunnelled, &n);
  g_autofree gchar *joined = g_strjoinv (", ", (gchar **) names);
  printf ("  %d databases: %s\n", n, joined);

  /* A copy with an identity of its own, moved behind a websocket tunnel
   * with TLS. */
  g_autoptr (TavrelModelSettingServer) web = tavrel_model_setting_server_clone (tunnelled, TRUE);
  tavrel_model_setting_server_set_title (web, "warehouse over the web");
  tavrel_model_setting_server_set_driver (web, "native");
  tavrel_model_setting_server_set_ssh_using (web, FALSE);
  tavrel_model_setting_server_set_http_using (web, TRUE);
  tavrel_model_setting_server_set_http_protocol (web, "wss");
  tavrel_model_setting_server_set_http_host (web, "gateway.example.org");
  tavrel_model_setting_server_set_http_port (web, 443);
  tavrel_model_setting_server_set_ssl_using (web, TRUE);
  tavrel_model_setting_server_set_ssl_mode (web, "verify-full");
  print_profile (web);
  printf ("  same identity as the original: %s\n",
          g_strcmp0 (tavrel_model_setting_server_get_uuid (web), tavrel_model_setting_server_get_uuid (tunnelled)) == 0
              ? "yes"
              : "no");

  /* Ports are 16 bits: 65616 set through the property system keeps 80. */
  g_autoptr (TavrelModelSettingNetworkSetting) proxy = tavrel_model_setting_network_setting_new ();
  tavrel_model_setting_network_setting_set_proxy_using (proxy, TRUE);
  tavrel_model_setting_network_setting_set_proxy_type (proxy, 1);
  tavrel_model_setting_network_setting_set_proxy_host (proxy, "proxy.example.org");
  g_object_set (proxy, "proxy-port", 65536u + 80u, NULL);
  tavrel_model_setting_network_setting_set_proxy_username (proxy, "alice");
  printf ("  proxy %s: type %u, %s:%u, user %s\n",
          tavrel_model_setting_network_setting_get_proxy_using (proxy) ? "on" : "off",
          tavrel_model_setting_network_setting_get_proxy_type (proxy),
          tavrel_model_setting_network_setting_get_proxy_host (proxy),
          (unsigned) tavrel_model_setting_network_setting_get_proxy_port (proxy),
          tavrel_model_setting_network_setting_get_proxy_username (proxy));
}
