#!/bin/sh
# The trees FolderWalkTest walks, made with Linux's own calls, which Wine's
# programs cannot make: a symbolic link back up, and a large tree made fast.
set -e
root=$1
rm -rf "$root"
p=$root/p
mkdir -p "$p/empty" "$p/.git" "$p/sub"
: >"$p/z.txt"
: >"$p/a b.txt"
: >"$p/表.txt"
: >"$p/.hidden"
: >"$p/.git/config"
: >"$p/sub/c.txt"
ln -s .. "$p/sub/up"
# Past 259 characters: six folders of 50 characters below p.
long=$p/long
for i in 1 2 3 4 5 6; do long=$long/$i-aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa; done
mkdir -p "$long"
: >"$long/deep.txt"
: >"$root/single.txt"
# 1 200 folders of two files each, for the progress window.
mkdir -p "$root/big"
cd "$root/big"
seq -w 0 1199 | xargs mkdir
seq -w 0 1199 | sed 's|$|/f1|' | xargs touch
seq -w 0 1199 | sed 's|$|/f2|' | xargs touch
