# Sourced by the install, package and end-to-end tests: what an install of Gridora holds, and how
# the tests make one.

# Every file an install puts under its prefix, with its permission bits. Nothing more.
gridora_installed_files() {
    cat <<'EOF'
755 games/gridora
644 share/applications/gridora.desktop
644 share/doc/gridora/changelog.gz
644 share/doc/gridora/copyright
644 share/icons/hicolor/128x128/apps/gridora.png
644 share/icons/hicolor/16x16/apps/gridora.png
644 share/icons/hicolor/256x256/apps/gridora.png
644 share/icons/hicolor/32x32/apps/gridora.png
644 share/icons/hicolor/48x48/apps/gridora.png
644 share/icons/hicolor/64x64/apps/gridora.png
644 share/man/man6/gridora.6.gz
644 share/metainfo/io.github.gridora.Gridora.metainfo.xml
EOF
}

# install_into DESTDIR BUILD_DIR: installs the build with prefix /usr under DESTDIR.
# `cmake --install` always rewrites BUILD_DIR/install_manifest.txt, so tests running side by side
# take turns.
install_into() {
    DESTDIR="$1" flock "$2/.install.lock" cmake --install "$2" --prefix /usr >/dev/null
}
