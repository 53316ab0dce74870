#!/usr/bin/env python3
"""Runs orvanel-facts.exe and compares what the graphics, motherboard, storage,
network and audio collectors report with what Linux says about the same
machine, wherever Wine passes the host's facts through.

usage: storage_facts_check.py <folder with orvanel-facts.exe>
"""
import os
import re
import subprocess
import sys

import factslib
from factslib import check, failures, read

def run_facts(exe_dir):
    out, facts, lists, _, _ = factslib.run_facts(exe_dir)
    for heading in ("# Graphics", "# Motherboard", "# Storage", "# Network", "# Audio"):
        check(heading in out, "no %r section in the output" % heading)
    return facts, lists


def check_storage(facts, lists):
    sizes = lists.get("CHardwareStorage::SizeTexts", [])
    for i, text in enumerate(sizes):
        m = re.fullmatch(r"(\d+\.\d\d) GB \((\d+) bytes\)", text)
        check(m is not None, "drive %d: size text %r is not '%%.2f GB (%%s bytes)'" % (i, text))
        if m:
            check(m.group(1) == "%.2f" % (int(m.group(2)) / 2**30),
                  "drive %d: %s GB does not match %s bytes" % (i, m.group(1), m.group(2)))
    # Every list describes the same drives.
    for name in ("BytesPerSector", "Captions", "Descriptions", "DeviceIds", "InterfaceTypes", "Manufacturers",
                 "MediaTypes", "Models", "Names", "SectorsPerTrack", "Statuses", "TotalCylinders",
                 "TracksPerCylinder"):
        got = len(lists.get("CHardwareStorage::" + name, []))
        check(got == len(sizes), "CHardwareStorage::%s has %d entries for %d drives" % (name, got, len(sizes)))
    idle = int(facts.get("CHardwareStorage::GetIdleTime", "-2"))
    check(-1 <= idle <= 100, "disk idle time %d is out of range" % idle)


def ipv4_addresses():
    """First IPv4 address and prefix length per interface, from `ip`."""
    try:
        out = subprocess.run(["ip", "-o", "-4", "addr", "show"], stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, timeout=10).stdout.decode()
    except (OSError, subprocess.SubprocessError):
        return None
    found = {}
    for line in out.splitlines():
        m = re.match(r"\d+:\s+(\S+)\s+inet\s+([\d.]+)/(\d+)", line)
        if m and m.group(1) not in found:
            found[m.group(1)] = (m.group(2), int(m.group(3)))
    return found


def default_gateways():
    gateways = {}
    for line in (read("/proc/net/route") or "").splitlines()[1:]:
        cells = line.split()
        if len(cells) > 2 and cells[1] == "00000000" and cells[2] != "00000000":
            raw = int(cells[2], 16)
            gateways.setdefault(cells[0], ".".join(str((raw >> s) & 255) for s in (0, 8, 16, 24)))
    return gateways


def mask_text(prefix):
    bits = (0xFFFFFFFF << (32 - prefix)) & 0xFFFFFFFF if prefix else 0
    return ".".join(str((bits >> s) & 255) for s in (24, 16, 8, 0))


def check_network(facts, lists):
    names = lists.get("CHardwareNetwork::Descriptions", [])
    macs = lists.get("CHardwareNetwork::MacAddresses", [])
    for name in ("AdapterNames", "MacAddresses", "DhcpEnabled", "DhcpServers", "IpAddresses", "IpMasks",
                 "Gateways", "AdapterTypes"):
        got = len(lists.get("CHardwareNetwork::" + name, []))
        check(got == len(names), "CHardwareNetwork::%s has %d entries for %d adapters" % (name, got, len(names)))
    for i, mac in enumerate(macs):
        check(re.fullmatch(r"([0-9A-F]{2}(-[0-9A-F]{2})*)?", mac) is not None,
              "adapter %d: MAC text %r is not dash-separated upper-case hex" % (i, mac))

    # Wine names each adapter after the Linux interface it stands for.
    sys_net = "/sys/class/net"
    host = sorted(os.listdir(sys_net)) if os.path.isdir(sys_net) else []
    addresses = ipv4_addresses()
    gateways = default_gateways()
    for i, name in enumerate(names):
        if name not in host:
            continue
        address = read(os.path.join(sys_net, name, "address"))
        if address and i < len(macs):
            check(macs[i] == address.upper().replace(":", "-"),
                  "adapter %s: MAC %s, host says %s" % (name, macs[i], address))
        if addresses is not None and i < len(lists.get("CHardwareNetwork::IpAddresses", [])):
            ip, prefix = addresses.get(name, ("0.0.0.0", 0))
            check(lists["CHardwareNetwork::IpAddresses"][i] == ip,
                  "adapter %s: IP %s, host says %s" % (name, lists["CHardwareNetwork::IpAddresses"][i], ip))
            check(lists["CHardwareNetwork::IpMasks"][i] == mask_text(prefix),
                  "adapter %s: mask %s, host says %s" % (name, lists["CHardwareNetwork::IpMasks"][i],
                                                          mask_text(prefix)))
        if name in gateways:
            check(lists["CHardwareNetwork::Gateways"][i] == gateways[name],
                  "adapter %s: gateway %s, host says %s" % (name, lists["CHardwareNetwork::Gateways"][i],
                                                            gateways[name]))
    # Every host interface with a hardware address shows up (Wine leaves out loopback).
    for name in host:
        address = read(os.path.join(sys_net, name, "address"))
        if name != "lo" and address and address != "00:00:00:00:00:00" and read(os.path.join(sys_net, name, "type")) == "1":
            check(name in names, "host interface %s is not among the adapters %s" % (name, names))

    check(int(facts.get("CHardwareNetwork::GetBandwidth", "-2")) >= -1, "bandwidth below -1")
    check(int(facts.get("CHardwareNetwork::GetUsage", "-1")) >= 0, "network usage below 0")
    check(int(facts.get("CHardwareNetwork::GetWirelessNetworks", "-1")) >= 0, "no wireless network count")


def check_motherboard(facts):
    date = facts.get("CHardwareMotherboard::GetBiosReleaseDate", "")
    check(date == "" or re.fullmatch(r"\d{4}/\d{2}/\d{1,2}", date) is not None,
          "BIOS date %r is not year/month/day" % date)
    dmi = "/sys/class/dmi/id"
    for op, entry in (("GetBoardManufacturer", "board_vendor"), ("GetBoardProduct", "board_name"),
                      ("GetBoardVersion", "board_version"), ("GetBiosManufacturer", "bios_vendor")):
        host = read(os.path.join(dmi, entry))
        if host:
            got = facts.get("CHardwareMotherboard::" + op)
            check(got == host, "%s is %r, the firmware says %r" % (op, got, host))
    host_date = read(os.path.join(dmi, "bios_date"))
    m = re.fullmatch(r"(\d{2})/(\d{2})/(\d{4})", host_date or "")
    if m:
        # Midnight UTC may fall on the previous day west of UTC.
        import datetime
        day = datetime.date(int(m.group(3)), int(m.group(1)), int(m.group(2)))
        allowed = {"%04d/%02d/%d" % (d.year, d.month, d.day) for d in (day, day - datetime.timedelta(days=1))}
        check(date in allowed, "BIOS date %r, the firmware says %s" % (date, host_date))


def check_graphics(facts):
    memory = facts.get("CHardwareGraphics::GetAdapterMemory", "")
    check(memory == "" or re.fullmatch(r"\d+ MBytes", memory) is not None, "adapter memory %r" % memory)
    usage = int(facts.get("CHardwareGraphics::GetUsage", "-1"))
    check(0 <= usage <= 100, "GPU usage %d out of range" % usage)


def check_audio(facts, lists):
    outputs = lists.get("CHardwareAudio::OutputDevices", [])
    default = int(facts.get("CHardwareAudio::DefaultOutput", "-1"))
    check(0 <= default <= len(outputs), "default output %d of %d devices" % (default, len(outputs)))
    volume = int(facts.get("CHardwareAudio::GetMasterVolume", "-2"))
    check(-1 <= volume <= 100, "master volume %d out of range" % volume)
    text = facts.get("CHardwareAudio::GetVolumeText")
    check(text == ("" if volume == -1 else str(volume)), "volume text %r for volume %d" % (text, volume))
    peak = int(facts.get("CHardwareAudio::GetPeakLevel", "-2"))
    check(-1 <= peak <= 100, "peak level %d out of range" % peak)
    n = len(lists.get("CHardwareAudio::Names", []))
    for name in ("Captions", "Manufacturers", "Statuses"):
        got = len(lists.get("CHardwareAudio::" + name, []))
        check(got == n, "CHardwareAudio::%s has %d entries for %d devices" % (name, got, n))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    facts, lists = run_facts(sys.argv[1])
    check_storage(facts, lists)
    check_network(facts, lists)
    check_motherboard(facts)
    check_graphics(facts)
    check_audio(facts, lists)
    factslib.finish("storage, network, motherboard, graphics and audio facts agree with the host")


if __name__ == "__main__":
    main()
