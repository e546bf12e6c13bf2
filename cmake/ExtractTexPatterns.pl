#!/usr/bin/perl
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads a TeX hyphenation pattern file (UTF-8) and writes the patterns of its
# \patterns{...} group one per line in ISO-8859-1, the input that libhyphen's
# substrings.pl turns into a pattern dictionary.  Comments, \message lines and
# any \hyphenation{...} group are left out.
# usage: ExtractTexPatterns.pl input.pat output.txt
use strict;
use warnings;

die "usage: $0 input.pat output.txt\n" unless @ARGV == 2;
my ($input, $output) = @ARGV;
open(my $in, '<:encoding(UTF-8)', $input) or die "$input: $!\n";
open(my $out, '>:encoding(iso-8859-1)', $output) or die "$output: $!\n";
my $inside = 0;
my $count = 0;
while (my $line = <$in>) {
  $line =~ s/%.*//;
  if (!$inside) {
    $inside = 1 if $line =~ s/^.*\\patterns\s*\{//;
    next unless $inside;
  }
  my $done = $line =~ s/\}.*//s;
  for my $pattern (split ' ', $line) {
    print {$out} "$pattern\n";
    ++$count;
  }
  $inside = 0 if $done;
}
close($out) or die "$output: $!\n";
die "$input: no \\patterns group\n" unless $count;
