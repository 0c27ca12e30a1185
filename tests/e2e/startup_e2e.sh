#!/usr/bin/env bash
# A first start writes the default settings file and keeps running until it is ended;
# a second copy refuses to start.
source "$(dirname "$0")/harness.sh"
e2e_setup
e2e_remove_settings

e2e_start_orbiqa
e2e_wait_until 60 "the first settings file" test -s "$(e2e_settings_file)"
expected=$(printf '%s\r\n' 0=0 2=175 54=1 55=120 56=1 57=121 1007=1 1008=0 1009=1 1010=1 1011=1 1012=0 \
  1013=1 1018=1 1019=0 1020=0 1022=0 1033=1 1064=0 1065=0 1066=1 1068=1 1125=0 1211=0)
# The file appears complete in one step, so it can be compared as soon as it exists.
[ "$(cat "$(e2e_settings_file)")" = "$expected" ] || e2e_fail "default settings file differs: $(cat -A "$(e2e_settings_file)")"
e2e_pass "first start wrote the 24 default lines"

sleep 2  # give a crash on the first ticks time to show
e2e_orbiqa_running || e2e_fail "Orbiqa ended by itself"
e2e_stop_orbiqa
e2e_pass "Orbiqa ran until it was ended"
