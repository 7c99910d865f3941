#!/usr/bin/env bash
# Prints a C++ string literal holding the GBK bytes of the UTF-8 text in $1,
# for the escaped texts in shell/gbk_text.h (a test checks them with iconv).
set -euo pipefail
printf '%s' "$1" | iconv -f UTF-8 -t GBK | perl -0777 -ne '
  my $s = ""; my $hex = 0;
  for my $c (split //) {
    my $b = ord $c;
    if ($b >= 0x20 && $b < 0x7f && $c ne "\"" && $c ne "\\") {
      $s .= "\"\"" if $hex && $c =~ /[0-9a-fA-F]/;
      $s .= $c; $hex = 0;
    } else { $s .= sprintf("\\x%02X", $b); $hex = 1; }
  }
  print "\"$s\"\n";'
