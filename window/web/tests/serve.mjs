// A static server for the site on 127.0.0.1, which notes every request it answers. Run on its
// own it serves build-web/site (or the folder given) until stopped:
//   node serve.mjs [FOLDER] [PORT]
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const TYPES = {
    ".html": "text/html; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".png": "image/png",
    ".svg": "image/svg+xml",
    ".txt": "text/plain; charset=utf-8",
};

export async function serve(folder, port = 0) {
    const root = resolve(folder);
    const requests = [];
    const server = createServer(async (request, response) => {
        requests.push(request.url);
        const path = decodeURIComponent(new URL(request.url, "http://x").pathname);
        const file = normalize(join(root, path.endsWith("/") ? path + "index.html" : path));
        if (!file.startsWith(root)) {
            response.writeHead(403).end();
            return;
        }
        try {
            const body = await readFile(file);
            response.writeHead(200, {
                "Content-Type": TYPES[extname(file)] ?? "application/octet-stream",
                "Cache-Control": "no-cache",
            });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((done) => server.listen(port, "127.0.0.1", done));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        requests,
        close: () => new Promise((done) => server.close(done)),
    };
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const root = resolve(process.argv[2] ?? "build-web/site");
    const site = await serve(root, Number(process.argv[3] ?? 8000));
    console.log(`TARVIK is served from ${root}; open ${site.url} (Ctrl+C stops it)`);
}
