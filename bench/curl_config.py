#!/usr/bin/env python3
"""Turns kestrova-sim's request log into a curl config file that makes the same
requests (method and URL, in the same order) through the simulator as a proxy,
all in one curl process. Usage: curl_config.py SIM_LOG HOST:PORT > curl.conf

curl refuses a URL holding a space, so each request names only the host as its
URL and sends the logged URL, byte for byte, as its request target."""
import sys


def quoted(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def main():
    log_path, proxy = sys.argv[1], sys.argv[2]
    blocks = []
    with open(log_path, encoding='latin-1') as log:
        for line in log:
            # "METHOD URL HTTP/1.0 -> ...": the URL may hold spaces (DirectHit's
            # page-5 path ends in one), so the line is taken apart at the first
            # space and at the last " HTTP/".
            request = line.split(' -> ', 1)[0]
            version = request.rfind(' HTTP/')
            if version < 0 or ' ' not in request[:version]:
                continue
            method, url = request[:version].split(' ', 1)
            if not url.startswith('http://'):
                continue
            host = url.split('/', 3)[2]
            block = ['url = ' + quoted('http://' + host + '/'), 'request-target = ' + quoted(url),
                     'output = "/dev/null"', 'proxy = ' + quoted(proxy), 'http1.0', 'globoff',
                     'path-as-is', 'silent', 'show-error']
            if method == 'HEAD':
                block.append('head')
            elif method != 'GET':
                block.append('request = ' + quoted(method))
            blocks.append('\n'.join(block))
    if not blocks:
        sys.exit('curl_config.py: no requests in ' + log_path)
    print('\nnext\n'.join(blocks))


main()
