#!/usr/bin/env python3
"""Writes the list of PCI network devices that the device database is made of.

A device is a network device when a Linux network driver claims it: the PCI
ID tables of the modules under drivers/net (cards, wireless, WAN, FDDI,
ARCnet), drivers/atm, drivers/isdn, the wireless host bridges of drivers/ssb
and drivers/bcma, the network drivers of drivers/staging, and the modem
functions of sound/pci.  The tables are read from the "alias=pci:" entries of
each module's .modinfo section in Debian's kernel image package, downloaded
but not installed.

    python3 tools/devicedb/network_pci_ids.py > tools/devicedb/network_pci_ids.txt

Each line: vendor and device in four hexadecimal digits, then either "*" (any
subsystem) or the subsystem vendor and subsystem device ("*" for any), a tab,
and the module that claims it.
"""
import os
import re
import struct
import subprocess
import sys
import tempfile

SOURCES = (
    "kernel/drivers/net/ethernet/", "kernel/drivers/net/wireless/", "kernel/drivers/net/wan/",
    "kernel/drivers/net/wwan/", "kernel/drivers/net/fddi/", "kernel/drivers/net/arcnet/",
    "kernel/drivers/net/hippi/", "kernel/drivers/net/vmxnet3/", "kernel/drivers/atm/",
    "kernel/drivers/isdn/", "kernel/drivers/ssb/", "kernel/drivers/bcma/",
    "kernel/drivers/staging/rtl8192e/", "kernel/drivers/staging/qlge/",
    "kernel/sound/pci/snd-intel8x0m.ko", "kernel/sound/pci/snd-atiixp-modem.ko",
    "kernel/sound/pci/snd-via82xx-modem.ko",
)

ALIAS = re.compile(rb"alias=pci:v([0-9A-F]{8}|\*)d([0-9A-F]{8}|\*)sv([0-9A-F]{8}|\*)sd([0-9A-F]{8}|\*)")


def modinfo_strings(path):
    """The NUL-separated strings of an ELF64 module's .modinfo section."""
    data = open(path, "rb").read()
    section_offset, = struct.unpack_from("<Q", data, 0x28)
    entry_size, count, names_index = struct.unpack_from("<HHH", data, 0x3A)
    sections = [struct.unpack_from("<IIQQQQIIQQ", data, section_offset + i * entry_size) for i in range(count)]
    names_at = sections[names_index][4]
    for section in sections:
        name = data[names_at + section[0]:data.index(b"\0", names_at + section[0])]
        if name == b".modinfo":
            return data[section[4]:section[4] + section[5]].split(b"\0")
    return []


def short(field):
    return "*" if field == b"*" else field.decode()[-4:]


def main():
    with tempfile.TemporaryDirectory() as work:
        package = subprocess.run(["apt-cache", "depends", "linux-image-amd64"], check=True, capture_output=True,
                                 text=True).stdout.split("Depends: ")[1].split()[0]
        subprocess.run(["apt-get", "download", package], cwd=work, check=True, capture_output=True)
        deb = next(name for name in os.listdir(work) if name.endswith(".deb"))
        subprocess.run(["dpkg-deb", "-x", deb, "tree"], cwd=work, check=True)
        modules = os.path.join(work, "tree/lib/modules")
        modules = os.path.join(modules, os.listdir(modules)[0])
        entries = set()
        for folder, _, files in os.walk(modules):
            for name in files:
                path = os.path.join(folder, name)
                relative = os.path.relpath(path, modules)
                if not name.endswith(".ko") or not any(relative.startswith(source) for source in SOURCES):
                    continue
                for text in modinfo_strings(path):
                    match = ALIAS.match(text)
                    if not match or b"*" in match.group(1) + match.group(2):
                        continue  # a table entry by class or vendor alone names no device
                    vendor, device, subvendor, subdevice = (short(field) for field in match.groups())
                    subsystem = "*" if subvendor == "*" else subvendor + " " + subdevice
                    module = relative[len("kernel/"):-len(".ko")]
                    entries.add((vendor, device, subsystem, module))
    print("# PCI network devices claimed by the network drivers of " + deb)
    print("# regenerate: python3 tools/devicedb/network_pci_ids.py > tools/devicedb/network_pci_ids.txt")
    for vendor, device, subsystem, module in sorted(entries):
        print(f"{vendor} {device} {subsystem}\t{module}")


if __name__ == "__main__":
    sys.exit(main())
